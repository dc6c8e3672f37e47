// The bold display font.
#include "base/win/display_font.h"

#include "base/win/text.h"

namespace quivra {

HFONT create_display_font() {
    return CreateFontW(16, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                       widen("ＭＳ Ｐゴシック").c_str());
}

}  // namespace quivra
