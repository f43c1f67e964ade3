// The posted-message queue: the one way another thread (the audio device)
// reaches the UI thread. PostMessageA may be called from any thread; the
// rest runs on the UI thread, where every loop drains the queue.
#pragma once

#include <functional>

#include "platform/winapi/WinTypes.h"

// Any thread. Queues the message and wakes the UI thread's loop.
BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Any thread. Queues WM_QUIT with the exit code.
void PostQuitMessage(int exitCode);

// UI thread. Takes the oldest posted message; FALSE when there is none.
BOOL PeekPostedMessage(MSG* msg);
// UI thread. True once PostQuitMessage ran; the code it gave.
bool QuitRequested(int* exitCode = nullptr);
// UI thread, tests: forgets queued messages and the quit request.
void ResetPostedQueue();

// Installed by the event loop: called (from any thread) after each post so
// that a sleeping loop wakes up. Runs with no lock held.
void SetPostedMessageWakeup(std::function<void()> wake);
