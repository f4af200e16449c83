// The program's sounds: WAVE resources played by the system, switchable off.
#ifndef KRELMOT_VIEW_SOUND_H
#define KRELMOT_VIEW_SOUND_H

#include <windows.h>

// The system's player and beep; tests replace them so that nothing waits for audio.
typedef BOOL(WINAPI* PlaySoundFunction)(LPCSTR sound, HMODULE module, DWORD flags);
typedef BOOL(WINAPI* MessageBeepFunction)(UINT type);
extern PlaySoundFunction g_playSound;
extern MessageBeepFunction g_messageBeep;

// With sound off nothing plays and the answer is true.
bool PlayWaveResource(HINSTANCE instance, int resourceId, bool async, bool soundOn);
// A refused move: the refusal sound, or the exclamation beep when sound is off.
void PlayRefusal(HINSTANCE instance, bool soundOn);

#endif
