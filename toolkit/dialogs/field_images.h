// The images the toolkit shows on dialog fields (bitmap and icon statics and buttons) are its
// own: a loaded dialog and its modal instance show the same one, so each image counts the fields
// that show it and is deleted when the last of them lets go.
#pragma once

#include <windows.h>

namespace tess {

void delete_image(HANDLE image, UINT type);
// A field shows image from now on (it may show it elsewhere too).
void hold_field_image(HANDLE image);
// A field no longer shows image: the toolkit's images go with the last field showing them. An
// image the toolkit never held is left alone; returns whether the toolkit held it.
bool let_go_field_image(HANDLE image, UINT type);
// The image a static or button shows now, as its style says, and its type; null for none.
HANDLE field_image(HWND control, UINT& type);

} // namespace tess
