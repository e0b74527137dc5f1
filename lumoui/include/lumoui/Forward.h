#pragma once

// Declarations of the toolkit's classes, for headers that only pass pointers around.

namespace lumo {

class MObject;
class MControl;
class MControlFont;
class PaintManager;
class RKTimer;
class MWindow;
class MDialog;
class MPopupWnd;
class MenuWnd;
class MenuItem;
class MAirBladder;
class CKeyboardTips;
class LoadingWnd;
class MShadow;
class MImage;
class MImageList;
class MRender;
class MemDC;
class Manager;
struct MFont;
struct StringFormat;
struct ImgResInfo;
struct FS_POSITION_ITEM;

} // namespace lumo
