#include "platform/winapi/PostedQueue.h"

#include <deque>
#include <mutex>

namespace {

struct Queue {
    std::mutex lock;
    std::deque<MSG> messages;
    bool quit = false;
    int quitCode = 0;
    std::function<void()> wake;
};

Queue& TheQueue()
{
    static Queue q;
    return q;
}

void Wake()
{
    Queue& q = TheQueue();
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> g(q.lock);
        wake = q.wake;
    }
    if (wake)
        wake();
}

} // namespace

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Queue& q = TheQueue();
    {
        std::lock_guard<std::mutex> g(q.lock);
        q.messages.push_back(MSG{hwnd, message, wParam, lParam, 0, {0, 0}});
    }
    Wake();
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    Queue& q = TheQueue();
    {
        std::lock_guard<std::mutex> g(q.lock);
        if (!q.quit) {
            q.quit = true;
            q.quitCode = exitCode;
        }
    }
    Wake();
}

BOOL PeekPostedMessage(MSG* msg)
{
    Queue& q = TheQueue();
    std::lock_guard<std::mutex> g(q.lock);
    if (q.messages.empty())
        return FALSE;
    *msg = q.messages.front();
    q.messages.pop_front();
    return TRUE;
}

bool QuitRequested(int* exitCode)
{
    Queue& q = TheQueue();
    std::lock_guard<std::mutex> g(q.lock);
    if (q.quit && exitCode)
        *exitCode = q.quitCode;
    return q.quit;
}

void ResetPostedQueue()
{
    Queue& q = TheQueue();
    std::lock_guard<std::mutex> g(q.lock);
    q.messages.clear();
    q.quit = false;
    q.quitCode = 0;
}

void SetPostedMessageWakeup(std::function<void()> wake)
{
    Queue& q = TheQueue();
    std::lock_guard<std::mutex> g(q.lock);
    q.wake = std::move(wake);
}
