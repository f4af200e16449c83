// The life of the process, split so that tests can start the real program
// in-process, drive it, and shut it down.
#ifndef KRELMOT_SHELL_STARTUP_H
#define KRELMOT_SHELL_STARTUP_H

#include <windows.h>

const int TEXT_BUFFER_SIZE = 50;

extern char g_className[TEXT_BUFFER_SIZE];
extern char g_title[TEXT_BUFFER_SIZE];

enum StartResult { START_OK = 0, START_OTHER_COPY = 1, START_FAILED = -1, START_NO_WINDOW = -2 };

int RegisterMainClass(HINSTANCE instance);
// Everything up to the message loop; g_krelmot is the game afterwards.
int StartUp(HINSTANCE instance, int showCommand, unsigned int seed);
int RunMessageLoop();
// Kills the clock and deletes the game, which writes the changed settings.
void ShutDown();

#endif
