#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzing {

// A private directory under the system's temporary directory, made on first use and kept for the run.
const std::string& ScratchDirectory();

// Writes the bytes to the file, replacing it; false when it cannot be written.
bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size);

// Makes the framework's graphics object on the software renderer (dummy video driver), once.
bool StartHeadlessGraphics();

}  // namespace fuzzing
