#pragma once

namespace platform {

// How the program's end reaches whatever started it. On the desktop the exit code returned from main is
// the process's. In a browser page main returns into a call resumed by Asyncify, whose result nothing
// reads: the page's runtime would stay up with its exit handlers never run and the page never told. Each
// system has its own file (linux/ProgramEnd.cpp here).

// Called as main returns, with the code it returns; answers that code.
int EndProgram(int exitCode);

}  // namespace platform
