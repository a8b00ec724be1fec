#include <optional>

#include "appearance/scheme_table.h"
#include "editor/form1.h"

namespace quill {

void Form1::btnApply_Click() {
    // A face name that cannot be written would otherwise stop the pass half
    // way: refuse it before anything is written. (Start-up keeps only records
    // long enough to patch.)
    if (CheckFaceName(fontCmb.Text()) != PatchResult::Ok ||
        CheckFaceName(menuCmb.Text()) != PatchResult::Ok) {
        toolkit_.Form().SetCaption(toolkit_.Text(TextId::ApplyFailed));
        return;
    }
    bool captionPatched = false;
    for (const SchemeRow& row : kSchemeTable) {
        bool written = false;
        switch (row.source) {
            case SchemeSource::FixedText:
                written = SetRegistryValue(kHkeyCurrentUser, row.key, row.valueName,
                                           std::u16string(row.fixedText));
                break;
            case SchemeSource::Swatch:
                written = SetRegistryValue(kHkeyCurrentUser, row.key, row.valueName,
                                           ColorToText(toolkit_.LabelNamed(row.swatch)));
                break;
            case SchemeSource::CaptionFont:
                // Patched once, after every text row; SmCaptionFont gets the same bytes.
                if (!captionPatched) {
                    PatchCaptionFont();
                    captionPatched = true;
                }
                written = SetRegistryValue(kHkeyCurrentUser, row.key, row.valueName,
                                           ByteArrayRef(CaptionFontBytes));
                break;
            case SchemeSource::MenuFont:
                PatchMenuFont();
                written = SetRegistryValue(kHkeyCurrentUser, row.key, row.valueName,
                                           ByteArrayRef(MenuFontBytes));
                break;
        }
        if (!written) {
            toolkit_.Form().SetCaption(toolkit_.Text(TextId::ApplyFailed));
            return;
        }
    }
    toolkit_.Form().SetCaption(toolkit_.Text(TextId::Applied));
}

void Form1::PatchCaptionFont() {
    // The first checked size box wins; with none checked the height stays.
    std::optional<int> pointSize;
    if (ckPoint8.Value() == kChecked) {
        pointSize = 8;
    } else if (ckPoint9.Value() == kChecked) {
        pointSize = 9;
    } else if (ckPoint10.Value() == kChecked) {
        pointSize = 10;
    }
    PatchCaptionRecord(CaptionFontBytes, pointSize, ckBold.Value() == kChecked, fontCmb.Text());
}

void Form1::PatchMenuFont() {
    PatchMenuRecord(MenuFontBytes, menuCmb.Text());
}

}  // namespace quill
