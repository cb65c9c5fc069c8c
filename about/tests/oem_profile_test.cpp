// The OEM address file's lookup rules and the addresses built from it.
#include <gtest/gtest.h>

#include "about/oem_profile.h"
#include "about/support_address.h"
#include "test_support.h"

namespace grafyon::about {
namespace {

TEST(OemProfile, LookupRules) {
    const OemProfile oem = OemProfile::FromBytes(
        "company=outside any section\r\n"
        "; [Support] in a comment\n"
        "[ SUPPORT ]\r\n"
        "  Company =  \"  Quoted Ltd \"  \r\n"
        "EMAIL=help@oem.example\n"
        "internet\n"
        "[support]\n"
        "street=second section is never read\n"
        "[Distributor]\n"
        "company='single'\n");
    EXPECT_EQ(oem.Get("support", "COMPANY"), "  Quoted Ltd ");
    EXPECT_EQ(oem.Get("Support", "email"), "help@oem.example");
    EXPECT_EQ(oem.Get("support", "internet"), "");
    EXPECT_EQ(oem.Get("support", "street"), "");
    EXPECT_EQ(oem.Get("distributor", "company"), "single");
    EXPECT_EQ(oem.Get("other", "company"), "");
    EXPECT_EQ(OemProfile::Load("/nonexistent/OemAdr.ini").Get("support", "company"), "");
}

TEST(OemProfile, ValuesFitTheHundredCharacterBufferAndKeepTheirCharacters) {
    const std::string ninetyNine(99, 'x');
    std::string text = "[s]\nexact=" + ninetyNine + "\nlong=" + ninetyNine + "yz\nwide=";
    for (int i = 0; i < 120; ++i)
        text += "ä";
    const OemProfile oem = OemProfile::FromBytes(text);
    EXPECT_EQ(oem.Get("s", "exact"), ninetyNine);
    EXPECT_EQ(oem.Get("s", "long"), ninetyNine);
    std::string ninetyNineUmlauts;
    for (int i = 0; i < 99; ++i)
        ninetyNineUmlauts += "ä";
    EXPECT_EQ(oem.Get("s", "wide"), ninetyNineUmlauts);
    // A file of the family's Windows tools is 1252; a UTF-8 one keeps its characters.
    EXPECT_EQ(OemProfile::FromBytes("[s]\ntown=M\xFCnchen\n").Get("s", "town"), "München");
    EXPECT_EQ(OemProfile::FromBytes("\xEF\xBB\xBF[s]\ntown=München\n").Get("s", "town"), "München");
}

TEST(SupportAddress, TheThreeAddressLinesReplaceTheBuiltInOnesOnlyTogether) {
    const AddressBlock builtIn = BuiltInAddress();
    const OemProfile partial = OemProfile::FromBytes(
        "[support]\ncompany=OEM AG\nstreet=OEM-Weg 1\nland=Austria\ntelefon=1\n"
        "email=oem@oem.example\n");
    const AddressBlock page = SupportPageAddress(partial);
    for (auto [shown, expected] :
         {std::pair{&page.company, &builtIn.company}, std::pair{&page.street, &builtIn.street},
          std::pair{&page.town, &builtIn.town}, std::pair{&page.land, &builtIn.land},
          std::pair{&page.telefon, &builtIn.telefon}, std::pair{&page.internet, &builtIn.internet}})
        EXPECT_EQ(*shown, *expected);
    EXPECT_EQ(page.email, "oem@oem.example");

    const AddressBlock full = SupportPageAddress(
        OemProfile::FromBytes("[support]\ncompany=OEM AG\nstreet=OEM-Weg 1\ntown=Wien\n"));
    EXPECT_EQ(full.company, "OEM AG");
    EXPECT_EQ(full.town, "Wien");
    EXPECT_EQ(full.land, "");  // part of the OEM address, which has none
    EXPECT_EQ(full.bbs, builtIn.bbs);

    // The report takes each value on its own.
    const auto lines = ReportSupportLines(partial);
    EXPECT_EQ(lines[0], "OEM AG");
    EXPECT_EQ(lines[2], builtIn.town);
    EXPECT_EQ(lines[3], "Austria");
    EXPECT_EQ(lines[8], builtIn.bbs);

    EXPECT_FALSE(DistributorAddress(partial));
    EXPECT_FALSE(DistributorAddress(OemProfile::FromBytes("[distributor]\ncompany=D\nstreet=S\n")));
    const auto distributor =
        DistributorAddress(OemProfile::FromBytes("[distributor]\ncompany=D\nstreet=S\ntown=T\n"));
    ASSERT_TRUE(distributor);
    EXPECT_EQ((*distributor)[2], "T");
    EXPECT_EQ((*distributor)[3], "");
}

}  // namespace
}  // namespace grafyon::about
