// The program's outermost frame: start-up, the message loop and shutdown.
#pragma once

#include <windows.h>

// Everything WinMain does; returns the process's exit code (always 0).
int RunQuillon(HINSTANCE instance);
