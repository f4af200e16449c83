#include <time.h>

#include "shell/Startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    switch (StartUp(instance, showCommand, (unsigned int)time(NULL))) {
    case START_OTHER_COPY:
    case START_NO_WINDOW:
        return 0;
    case START_FAILED:
        return -1;
    }
    int code = RunMessageLoop();
    ShutDown();
    return code;
}
