// The installed filter "Standard".
#include "standard_filter.h"

namespace grafyon::exportfilter {

std::unique_ptr<CQuenarStreamText> MakeStandardFilter() {
    auto filter = std::make_unique<CQuenarStreamText>();
    filter->SetTypeCode(QUENAR_TYPE_TEXT);
    filter->designation = STANDARD_FILTER_NAME;
    filter->description = "Time and datasets as text columns";
    // The automatic definition without interaction: allocation mode 0, no file dialog,
    // overwriting without asking.
    filter->CreateDefaultChannelDefinitions(1);
    for (auto& definition : filter->columns)
        static_cast<CQuenarChannelDefText&>(*definition).notation = 1;
    return filter;
}

}  // namespace grafyon::exportfilter
