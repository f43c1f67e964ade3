// A button drawn from bitmaps: the released image, and the pushed image
// while its state is pushed (BM_SETSTATE 1).
#pragma once

#include <memory>

#include "platform/framework/CWnd.h"

struct Bitmap;

class CButton : public CWnd {
public:
    void SetState(BOOL pushed) { SendMessageA(m_hWnd, BM_SETSTATE, pushed ? 1 : 0, 0); }
    UINT GetState() const { return static_cast<UINT>(SendMessageA(m_hWnd, BM_GETSTATE, 0, 0)); }
};

class CBitmapButton : public CButton {
public:
    CBitmapButton();
    ~CBitmapButton() override;

    // Resource ids of the images (0: none). FALSE when the released image
    // cannot be loaded.
    BOOL LoadBitmaps(UINT idReleased, UINT idPushed = 0, UINT idFocus = 0, UINT idDisabled = 0);
    // Resizes the button to its released image; the top left stays.
    void SizeToContent();

private:
    void ShowImages();
    std::unique_ptr<Bitmap> m_released, m_pushed;
};
