#include "translate/output_dump.h"

#include "core/text_codec.h"
#include "translate/reorder_output.h"

namespace quelvo {

nlohmann::json DumpOutput(const TranslationState& s) {
    nlohmann::json out = nlohmann::json::array();
    for (const OutWordNode* w : OutputOrder(s.OutList))
        out.push_back({{"SvText", ToUtf8(w->SvText)}, {"OutTag", ToUtf8(w->OutTag)}, {"OutPos", w->OutPos}});
    return out;
}

}  // namespace quelvo
