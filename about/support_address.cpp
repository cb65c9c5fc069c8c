// The built-in family address and the OEM file's rules for replacing it.
#include "support_address.h"

namespace grafyon::about {

AddressBlock BuiltInAddress() {
    return {"Vantorelline GmbH",        "Am Messfeld 4",
            "D-12345 Beispielstadt",    "Germany",
            "+49 (0) 12345 678-0",      "+49 (0) 12345 678-99",
            "www.vantorelline.example", "support@vantorelline.example",
            "+49 (0) 12345 678-98"};
}

AddressBlock SupportPageAddress(const OemProfile& oem) {
    AddressBlock address = BuiltInAddress();
    auto value = [&oem](const char* key) { return oem.Get("support", key); };
    std::string company = value("company"), street = value("street"), town = value("town");
    if (!company.empty() && !street.empty() && !town.empty()) {
        address.company = std::move(company);
        address.street = std::move(street);
        address.town = std::move(town);
        address.land = value("land");
        address.telefon = value("telefon");
        address.telefax = value("telefax");
    }
    for (auto [key, field] : {std::pair{"internet", &address.internet},
                              std::pair{"email", &address.email}, std::pair{"BBS", &address.bbs}}) {
        std::string text = value(key);
        if (!text.empty())
            *field = std::move(text);
    }
    return address;
}

std::array<std::string, 9> ReportSupportLines(const OemProfile& oem) {
    const AddressBlock builtIn = BuiltInAddress();
    const std::array<const std::string*, 9> defaults = {
        &builtIn.company, &builtIn.street,   &builtIn.town,  &builtIn.land, &builtIn.telefon,
        &builtIn.telefax, &builtIn.internet, &builtIn.email, &builtIn.bbs};
    std::array<std::string, 9> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = oem.Get("support", OEM_SUPPORT_KEYS[i]);
        if (lines[i].empty())
            lines[i] = *defaults[i];
    }
    return lines;
}

std::optional<std::array<std::string, 4>> DistributorAddress(const OemProfile& oem) {
    std::array<std::string, 4> lines = {
        oem.Get("distributor", "company"), oem.Get("distributor", "street"),
        oem.Get("distributor", "town"), oem.Get("distributor", "land")};
    if (lines[0].empty() || lines[1].empty() || lines[2].empty())
        return std::nullopt;
    return lines;
}

}  // namespace grafyon::about
