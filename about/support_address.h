// Support and distributor addresses: the family's built-in one and the OEM file's.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "oem_profile.h"

namespace grafyon::about {

// The keys of the OEM file's "support" section, in the order the report lists them.
inline constexpr const char* OEM_SUPPORT_KEYS[] = {
    "company", "street", "town", "land", "telefon", "telefax", "internet", "email", "BBS"};

struct AddressBlock {
    std::string company;
    std::string street;
    std::string town;
    std::string land;
    std::string telefon;
    std::string telefax;
    std::string internet;
    std::string email;
    std::string bbs;
};

// The family's own address, used wherever the OEM file gives none.
AddressBlock BuiltInAddress();

// The Support page: company, street, town, land, telephone and fax come from the OEM file
// only when company, street and town are all there (else all stay built in); internet,
// e-mail and mailbox each replace the built-in value when present.
AddressBlock SupportPageAddress(const OemProfile& oem);

// The report's lines: each OEM "support" value, or the built-in one where it is missing.
std::array<std::string, 9> ReportSupportLines(const OemProfile& oem);

// Section "distributor": company, street, town, land; none unless the first three exist.
std::optional<std::array<std::string, 4>> DistributorAddress(const OemProfile& oem);

}  // namespace grafyon::about
