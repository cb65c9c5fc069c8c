// The about library's numbered texts (English, German, French by the process locale).
#pragma once

#include <string>

inline constexpr int BRISEL_STR_COLUMN_MODULE = 1;
inline constexpr int BRISEL_STR_COLUMN_VERSION = 2;
inline constexpr int BRISEL_STR_COLUMN_BUILD = 3;
inline constexpr int BRISEL_STR_COLUMN_DATE = 4;
inline constexpr int BRISEL_STR_CAPTION = 5;  // "Info about %s"
inline constexpr int BRISEL_STR_NAME = 6;
inline constexpr int BRISEL_STR_COLUMN_OPTION = 10;
inline constexpr int BRISEL_STR_COLUMN_STATUS = 11;
inline constexpr int BRISEL_STR_UNAVAILABLE = 13;
inline constexpr int BRISEL_STR_DISK_FREE = 14;  // "%llu kByte free on %s"
inline constexpr int BRISEL_STR_RAM = 15;        // "%lu kByte"
inline constexpr int BRISEL_STR_COLUMN_DESCRIPTION = 16;
inline constexpr int BRISEL_STR_MAIL_INIT_FAILED = 1024;
inline constexpr int BRISEL_STR_MAIL_SEND_FAILED = 1025;
inline constexpr int BRISEL_STR_MAIL_NO_RECEIVER = 1026;

// Numbers of our own for the texts of the pages.
inline constexpr int BRISEL_STR_PAGE_VERSION = 2000;
inline constexpr int BRISEL_STR_PAGE_OPTIONS = 2001;
inline constexpr int BRISEL_STR_PAGE_SYSTEM = 2002;
inline constexpr int BRISEL_STR_PAGE_REPORT = 2003;
inline constexpr int BRISEL_STR_PAGE_SUPPORT = 2004;
inline constexpr int BRISEL_STR_RAM_LABEL = 2010;
inline constexpr int BRISEL_STR_DISK_LABEL = 2011;
inline constexpr int BRISEL_STR_REPORT_FILE_LABEL = 2020;
inline constexpr int BRISEL_STR_RECEIVER_LABEL = 2021;
inline constexpr int BRISEL_STR_PRINT = 2022;
inline constexpr int BRISEL_STR_MAIL = 2023;
inline constexpr int BRISEL_STR_PRINT_FAILED = 2024;
inline constexpr int BRISEL_STR_DISTRIBUTOR = 2030;
inline constexpr int BRISEL_STR_PHONE = 2031;
inline constexpr int BRISEL_STR_FAX = 2032;
inline constexpr int BRISEL_STR_INTERNET = 2033;
inline constexpr int BRISEL_STR_EMAIL = 2034;
inline constexpr int BRISEL_STR_MAILBOX = 2035;
inline constexpr int BRISEL_STR_SUPPORT_ADDRESS = 2036;

std::string BriselString(int id);
