#include "platform/winapi/Bitmap.h"

#include "platform/winapi/Resources.h"

// Placeholder until the decoder lands.
std::unique_ptr<Bitmap> DecodeBmp(const uint8_t*, size_t) { return nullptr; }

std::unique_ptr<Bitmap> LoadBitmapResource(int id)
{
    const BitmapResource* r = FindBitmapResource(id);
    return r ? DecodeBmp(r->bytes, r->size) : nullptr;
}
