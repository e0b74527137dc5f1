// Helpers the gallery's sections share.

#include "Gallery.h"

#include "lumoui/MText.h"

namespace gallery {

void Label(lumo::MDialog& d, lumo::UINT id, lumo::CRect r, const char* text)
{
    if (auto* t = Make<lumo::MText>(d, "MText", id, r, text, 1)) {
        t->SetTextColor(0xFFADADAD);
    }
}

} // namespace gallery
