#include "platform/framework/CBitmapButton.h"

#include "platform/winapi/Bitmap.h"

CBitmapButton::CBitmapButton() = default;

CBitmapButton::~CBitmapButton()
{
    // The window may outlive us; it must not keep pointers to our images.
    if (m_hWnd && IsWindow(m_hWnd)) {
        m_hWnd->imageUp = nullptr;
        m_hWnd->imageDown = nullptr;
    }
}

BOOL CBitmapButton::LoadBitmaps(UINT idReleased, UINT idPushed, UINT, UINT)
{
    m_released = idReleased ? LoadBitmapResource(static_cast<int>(idReleased)) : nullptr;
    m_pushed = idPushed ? LoadBitmapResource(static_cast<int>(idPushed)) : nullptr;
    ShowImages();
    return m_released ? TRUE : FALSE;
}

void CBitmapButton::ShowImages()
{
    if (!m_hWnd || !IsWindow(m_hWnd))
        return;
    m_hWnd->imageUp = m_released.get();
    m_hWnd->imageDown = m_pushed.get();
    if (m_hWnd->view)
        m_hWnd->view->Changed();
}

void CBitmapButton::SizeToContent()
{
    if (!m_released || !m_hWnd)
        return;
    MoveWindow(m_hWnd, m_hWnd->rect.left, m_hWnd->rect.top, m_released->width, m_released->height, TRUE);
}
