// Global memory handles: a block that is locked to get its address.
#pragma once

#include <cstddef>

#include "platform/winapi/WinTypes.h"

// Null when the block cannot be had.
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
// The block's address, or null for a null or freed handle. Counts locks.
void* GlobalLock(HGLOBAL handle);
// TRUE while the block is still locked after this unlock.
BOOL GlobalUnlock(HGLOBAL handle);
// Frees the block, locked or not; null on success, the handle on failure.
HGLOBAL GlobalFree(HGLOBAL handle);
size_t GlobalSize(HGLOBAL handle);
