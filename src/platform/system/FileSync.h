#pragma once

namespace platform {

// Makes what was written through the descriptor (a file's bytes, or a directory's entries) reach the
// storage it lives on before the call returns; false with errno set when it cannot. Each system keeps its
// files its own way (linux/FileSync.cpp here).
bool SyncToStorage(int descriptor);

}  // namespace platform
