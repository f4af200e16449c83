/* Prints the parts of the running game's status bar, one a line. The bar
   belongs to another process, so its text is fetched into memory taken in
   that process and read back from there. */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>

int main(void)
{
    HWND game = FindWindowA("KrelmotClassWindow", NULL);
    HWND bar = game ? GetDlgItem(game, 2456) : NULL;
    DWORD pid = 0;
    if (!bar || !GetWindowThreadProcessId(bar, &pid))
        return 1;
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    char* remote = process ? (char*)VirtualAllocEx(process, NULL, 256, MEM_COMMIT, PAGE_READWRITE) : NULL;
    if (!remote)
        return 2;
    int parts = (int)SendMessageA(bar, SB_GETPARTS, 0, 0);
    for (int p = 0; p < parts; ++p) {
        char text[256] = "";
        SIZE_T read = 0;
        if (LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, p, 0)) < sizeof text) {
            SendMessageA(bar, SB_GETTEXTA, p, (LPARAM)remote);
            ReadProcessMemory(process, remote, text, sizeof text - 1, &read);
        }
        printf("%s\n", text);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return 0;
}
