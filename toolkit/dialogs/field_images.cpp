#include "dialogs/field_images.h"

#include "dialogs/dialog_table.h"
#include "dialogs/wfield_internal.h"

namespace tess {

void delete_image(HANDLE image, UINT type) {
    if (!image) return;
    if (type == IMAGE_ICON)
        DestroyIcon(static_cast<HICON>(image));
    else
        DeleteObject(static_cast<HGDIOBJ>(image));
}

void hold_field_image(HANDLE image) {
    if (image) ++dialogs().fieldImages[image];
}

bool let_go_field_image(HANDLE image, UINT type) {
    auto& held = dialogs().fieldImages;
    const auto it = image ? held.find(image) : held.end();
    if (it == held.end()) return false;
    if (--it->second <= 0) {
        held.erase(it);
        delete_image(image, type);
    }
    return true;
}

HANDLE field_image(HWND control, UINT& type) {
    const LONG_PTR style = style_of(control);
    UINT message = 0;
    switch (field_class(control)) {
    case FieldClass::Button:
        message = BM_GETIMAGE;
        type = (style & BS_BITMAP) ? IMAGE_BITMAP : IMAGE_ICON;
        if (!(style & (BS_BITMAP | BS_ICON))) return nullptr;
        break;
    case FieldClass::Static:
        message = STM_GETIMAGE;
        type = (style & SS_TYPEMASK) == SS_BITMAP ? IMAGE_BITMAP : IMAGE_ICON;
        if ((style & SS_TYPEMASK) != SS_BITMAP && (style & SS_TYPEMASK) != SS_ICON) return nullptr;
        break;
    default:
        return nullptr;
    }
    return reinterpret_cast<HANDLE>(SendMessageA(control, message, type, 0));
}

} // namespace tess
