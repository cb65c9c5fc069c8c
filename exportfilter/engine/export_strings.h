// The export library's numbered texts, English and German under the same identifiers.
#pragma once

#include <span>
#include <string>

#include "common/ui_language.h"

namespace grafyon::exportfilter {

inline constexpr int QUENAR_STR_LIBRARY_NAME = 1;

// Names of the filter types.
inline constexpr int QUENAR_STR_FORMAT_TEXT = 1008;
inline constexpr int QUENAR_STR_FORMAT_TEXT_HISTOGRAM = 1009;
inline constexpr int QUENAR_STR_FORMAT_NCODE = 1010;
inline constexpr int QUENAR_STR_FORMAT_NCODE_HISTOGRAM = 1011;
inline constexpr int QUENAR_STR_FORMAT_RIGSYS = 1012;
inline constexpr int QUENAR_STR_FORMAT_BLOCK_DATA = 1013;
inline constexpr int QUENAR_STR_FORMAT_DIADEM = 1014;
inline constexpr int QUENAR_STR_FORMAT_DIADEM_HISTOGRAM = 1015;
inline constexpr int QUENAR_STR_FORMAT_RPC3 = 1016;
inline constexpr int QUENAR_STR_FORMAT_TARKO = 1017;
inline constexpr int QUENAR_STR_FORMAT_ZQ3 = 1018;
inline constexpr int QUENAR_STR_FORMAT_MATLAB = 1019;
inline constexpr int QUENAR_STR_FORMAT_EXCEL = 1020;
inline constexpr int QUENAR_STR_FORMAT_SBF = 1021;
inline constexpr int QUENAR_STR_FORMAT_MDF = 1022;
inline constexpr int QUENAR_STR_FORMAT_DASYLAB = 1023;
inline constexpr int QUENAR_STR_FORMAT_TURBOLAB = 1024;
inline constexpr int QUENAR_STR_FORMAT_FAMOS = 1025;

// File types of the "Save as" dialog, per format.
inline constexpr int QUENAR_STR_TEXT_FILE_TYPES = 1042;
inline constexpr int QUENAR_STR_TARKO_DATA_FILE_TYPES = 1048;
inline constexpr int QUENAR_STR_TARKO_FILE_TYPES = 1049;
inline constexpr int QUENAR_STR_MDF_FILE_TYPES = 1054;
inline constexpr int QUENAR_STR_MDF_DATA_FILE_TYPES = 1055;

inline constexpr int QUENAR_STR_TIME = 2009;
inline constexpr int QUENAR_STR_DATASET = 2407;
inline constexpr int QUENAR_STR_OUTPUT_CHANNEL_DEFINITION = 2423;

// Messages.
inline constexpr int QUENAR_MSG_CANNOT_CREATE = 4000;
inline constexpr int QUENAR_MSG_CANNOT_OVERWRITE = 4001;
inline constexpr int QUENAR_MSG_OVERWRITE_QUESTION = 4002;
inline constexpr int QUENAR_MSG_CANNOT_ACCESS = 4003;
inline constexpr int QUENAR_MSG_DELETE_CHANNEL_DEF = 4004;
inline constexpr int QUENAR_MSG_DELETE_FILTER = 4005;
inline constexpr int QUENAR_MSG_INVALID_FILTER_NAME = 4006;
inline constexpr int QUENAR_MSG_NO_FILTER_SELECTED = 4007;
inline constexpr int QUENAR_MSG_FILTER_LOAD_FAILED = 4008;
inline constexpr int QUENAR_MSG_NO_DATA_SOURCE = 4009;
inline constexpr int QUENAR_MSG_FILTER_NAME_TAKEN = 4010;
inline constexpr int QUENAR_MSG_SELECT_VALID_DATASET = 4011;
inline constexpr int QUENAR_MSG_SOURCE_EQUALS_TARGET_FOLDER = 4012;
inline constexpr int QUENAR_MSG_LOCAL_FILTERS_ONLY = 4013;
inline constexpr int QUENAR_MSG_SOURCE_EQUALS_TARGET = 4014;
inline constexpr int QUENAR_MSG_DESCRIPTION_EQUALS_DATA = 4015;
inline constexpr int QUENAR_MSG_CANCEL_EXPORT_QUESTION = 4016;
inline constexpr int QUENAR_MSG_DATASET_ON_SEVERAL_CHANNELS = 4017;
inline constexpr int QUENAR_MSG_DATASET_TWICE_QUESTION = 4018;
inline constexpr int QUENAR_MSG_NO_DATA_FILES = 4019;
inline constexpr int QUENAR_MSG_INTERNAL_ERROR = 4020;
inline constexpr int QUENAR_MSG_REQUESTS_NOT_SATISFIED = 4021;
inline constexpr int QUENAR_MSG_NEED_CONSTANT_RESOLUTION = 4022;
inline constexpr int QUENAR_MSG_NEED_COMMON_BASE = 4023;
inline constexpr int QUENAR_MSG_NO_AUTOMATIC_CALIBRATION = 4024;
inline constexpr int QUENAR_MSG_NO_OUTPUT_CHANNEL = 4025;
inline constexpr int QUENAR_MSG_NO_COLUMN = 4026;
inline constexpr int QUENAR_STR_INTERNAL_DATA_TRANSFER = 4027;
inline constexpr int QUENAR_MSG_KEEP_PARTIAL_DATA_QUESTION = 4028;
inline constexpr int QUENAR_MSG_CANNOT_CREATE_IN_FOLDER = 4029;
inline constexpr int QUENAR_MSG_NECESSARY_FILE_MISSING = 4031;
inline constexpr int QUENAR_MSG_TOO_MANY_LINES = 4032;
inline constexpr int QUENAR_MSG_TOO_MANY_DATASETS = 4033;
inline constexpr int QUENAR_MSG_FILTER_FILE_MISSING = 4034;
inline constexpr int QUENAR_MSG_NO_TEMPORARY_FILE = 4035;
inline constexpr int QUENAR_MSG_LOCAL_PATH_INVALID = 4036;

// Texts of the filter dialogs and pages (numbers of this library's own choosing).
inline constexpr int QUENAR_STR_OK = 7000;
inline constexpr int QUENAR_STR_CANCEL = 7001;
inline constexpr int QUENAR_STR_CLOSE = 7002;
inline constexpr int QUENAR_STR_LOCAL = 7003;
inline constexpr int QUENAR_STR_GLOBAL = 7004;
inline constexpr int QUENAR_STR_NO_ACCESS = 7005;
inline constexpr int QUENAR_STR_READ = 7006;
inline constexpr int QUENAR_STR_READ_WRITE = 7007;
inline constexpr int QUENAR_STR_NO_FILTER_FILE = 7008;

inline constexpr int QUENAR_STR_MANAGEMENT_TITLE = 7010;
inline constexpr int QUENAR_STR_COLUMN_NAME = 7011;
inline constexpr int QUENAR_STR_COLUMN_LOCATION = 7012;
inline constexpr int QUENAR_STR_COLUMN_TYPE = 7013;
inline constexpr int QUENAR_STR_DESCRIPTION = 7014;
inline constexpr int QUENAR_STR_INSERT = 7015;
inline constexpr int QUENAR_STR_COPY = 7016;
inline constexpr int QUENAR_STR_EDIT = 7017;
inline constexpr int QUENAR_STR_DELETE = 7018;
inline constexpr int QUENAR_STR_DELETE_ASK = 7019;
inline constexpr int QUENAR_STR_LOCAL_FOLDER = 7020;
inline constexpr int QUENAR_STR_GLOBAL_FOLDER = 7021;

inline constexpr int QUENAR_STR_CREATE_TITLE = 7030;
inline constexpr int QUENAR_STR_NAME_LABEL = 7031;
inline constexpr int QUENAR_STR_FILTER_TYPE = 7032;
inline constexpr int QUENAR_STR_DEFINITION_MODE = 7033;
inline constexpr int QUENAR_STR_MODE_AUTOMATIC_INTERACTIVE = 7034;
inline constexpr int QUENAR_STR_MODE_AUTOMATIC_SILENT = 7035;
inline constexpr int QUENAR_STR_MODE_USER_DEFINED = 7036;
inline constexpr int QUENAR_STR_COPY_TITLE = 7037;

inline constexpr int QUENAR_STR_SELECT_FILE_AND_FILTER = 7040;
inline constexpr int QUENAR_STR_SELECT_FILTER = 7041;
inline constexpr int QUENAR_STR_SELECT_FILE = 7042;
inline constexpr int QUENAR_STR_INSERT_FILTER = 7043;
inline constexpr int QUENAR_STR_EDIT_FILTER = 7044;

inline constexpr int QUENAR_STR_GENERAL = 7050;
inline constexpr int QUENAR_STR_DESIGNATION = 7051;
inline constexpr int QUENAR_STR_ONLY_SELECTED = 7053;
inline constexpr int QUENAR_STR_ALLOCATION_MODE_0 = 7054;  // to 7057, one per mode
inline constexpr int QUENAR_STR_COMMENTARY = 7060;
inline constexpr int QUENAR_STR_COMMENTARY_MODE_0 = 7061;  // to 7063
inline constexpr int QUENAR_STR_METHOD = 7070;
inline constexpr int QUENAR_STR_METHOD_0 = 7071;   // to 7073
inline constexpr int QUENAR_STR_MISSING_0 = 7074;  // to 7076
inline constexpr int QUENAR_STR_RESOLUTION = 7077;
inline constexpr int QUENAR_STR_FREQUENCY = 7078;
inline constexpr int QUENAR_STR_SECONDS_UNIT = 7079;
inline constexpr int QUENAR_STR_HERTZ_UNIT = 7080;

inline constexpr int QUENAR_STR_CHANNEL_ID_LABEL = 7090;
inline constexpr int QUENAR_STR_DEFAULT_DATASET = 7091;
inline constexpr int QUENAR_STR_ADJUSTMENT = 7092;
inline constexpr int QUENAR_STR_FACTOR = 7093;
inline constexpr int QUENAR_STR_OFFSET = 7094;
inline constexpr int QUENAR_STR_UNIT = 7095;
inline constexpr int QUENAR_STR_CALIBRATION = 7096;
inline constexpr int QUENAR_STR_CALIBRATION_RANGE = 7097;
inline constexpr int QUENAR_STR_CALIBRATION_MODE_0 = 7098;  // and 7099
inline constexpr int QUENAR_STR_MINIMUM = 7100;
inline constexpr int QUENAR_STR_MAXIMUM = 7101;
inline constexpr int QUENAR_STR_MINUS_MAXIMUM = 7102;
inline constexpr int QUENAR_STR_CHANNEL_DEFINITIONS = 7103;
inline constexpr int QUENAR_STR_COLUMNS = 7104;
inline constexpr int QUENAR_STR_CHANNEL_ID = 7105;
inline constexpr int QUENAR_STR_DEFAULT = 7106;
inline constexpr int QUENAR_STR_NO_DEFAULT = 7107;
inline constexpr int QUENAR_STR_UP = 7108;
inline constexpr int QUENAR_STR_DOWN = 7109;
inline constexpr int QUENAR_STR_DUPLICATE = 7110;
inline constexpr int QUENAR_STR_COPY_OF = 7111;
inline constexpr int QUENAR_STR_FILE_NAME = 7112;
inline constexpr int QUENAR_STR_FILE_NAME_LABEL = 7113;
inline constexpr int QUENAR_STR_ALLOCATION_TITLE = 7114;
inline constexpr int QUENAR_STR_USED_FILTER = 7115;
inline constexpr int QUENAR_STR_ALLOCATION_LIST = 7116;
inline constexpr int QUENAR_STR_SOURCE_DATASET = 7117;
inline constexpr int QUENAR_STR_DATASET_ALLOCATIONS = 7118;
inline constexpr int QUENAR_STR_SOURCE = 7119;
inline constexpr int QUENAR_STR_TARGET = 7120;
inline constexpr int QUENAR_STR_AUTOMATIC_BUTTON = 7121;
inline constexpr int QUENAR_STR_SELECT_DATASETS = 7122;
inline constexpr int QUENAR_STR_SELECT_ALL = 7123;

inline constexpr int QUENAR_STR_FILE_NAMES = 7130;
inline constexpr int QUENAR_STR_DATA_FILE_NAME = 7131;
inline constexpr int QUENAR_STR_DESCRIPTION_FILE_NAME = 7132;
inline constexpr int QUENAR_STR_PATH = 7133;
inline constexpr int QUENAR_STR_PATH_MODE_0 = 7134;  // to 7136
inline constexpr int QUENAR_STR_BROWSE = 7137;
inline constexpr int QUENAR_STR_FOLDER_TITLE = 7138;
inline constexpr int QUENAR_STR_FOLDER_PROMPT = 7139;
inline constexpr int QUENAR_STR_FILE_DIALOG_SINGLE = 7140;
inline constexpr int QUENAR_STR_FILE_DIALOG_MULTI = 7141;
inline constexpr int QUENAR_STR_OVERWRITE = 7142;
inline constexpr int QUENAR_STR_FILE_DIALOG_0 = 7143;        // "No Dialog"
inline constexpr int QUENAR_STR_FILE_DIALOG_1 = 7144;        // single file
inline constexpr int QUENAR_STR_FILE_DIALOG_1_MULTI = 7145;  // multi file
inline constexpr int QUENAR_STR_FILE_DIALOG_2 = 7146;
inline constexpr int QUENAR_STR_OVERWRITE_0 = 7147;              // to 7149
inline constexpr int QUENAR_STR_DATA_NAME_MODE_0 = 7150;         // to 7152
inline constexpr int QUENAR_STR_DESCRIPTION_NAME_MODE_0 = 7153;  // and 7154
inline constexpr int QUENAR_STR_BUILD_MODE = 7155;
inline constexpr int QUENAR_STR_BUILD_MODE_0 = 7156;  // to 7159
inline constexpr int QUENAR_STR_NAME_MODE_0 =
    7160;  // mode 1 reads as QUENAR_STR_DATA_NAME_MODE_0 + 1
inline constexpr int QUENAR_STR_DATA_FILE_SAVE_AS = 7161;
inline constexpr int QUENAR_STR_DESCRIPTION_FILE_SAVE_AS = 7162;
inline constexpr int QUENAR_STR_EXTRA_FILE_TYPE = 7163;

inline constexpr int QUENAR_STR_DATA_EXPORT = 7170;
inline constexpr int QUENAR_STR_VALUES = 7171;
inline constexpr int QUENAR_STR_ROWS = 7172;
inline constexpr int QUENAR_STR_EXPORT_IN_PROGRESS = 7173;

// Texts of the Qt dialogs that the Windows framework used to supply.
inline constexpr int QUENAR_STR_YES = 7200;
inline constexpr int QUENAR_STR_NO = 7201;
inline constexpr int QUENAR_MSG_ENTER_NUMBER = 7202;
inline constexpr int QUENAR_MSG_ENTER_POSITIVE_NUMBER = 7203;
inline constexpr int QUENAR_STR_DATA_FILE_LABEL = 7204;
inline constexpr int QUENAR_STR_EXPORT_FILTER_LABEL = 7205;

// The text writer's pages.
inline constexpr int QUENAR_STR_TEXT_PAGE = 7300;
inline constexpr int QUENAR_STR_TEXT_HEADER = 7301;
inline constexpr int QUENAR_STR_TEXT_LINES_AFTER_HEADER = 7302;
inline constexpr int QUENAR_STR_TEXT_HEADER_OWN_PAGE = 7303;
inline constexpr int QUENAR_STR_TEXT_ROWS_ON_PAGE = 7304;
inline constexpr int QUENAR_STR_TEXT_TITLE_MODE = 7305;
inline constexpr int QUENAR_STR_TEXT_TITLE_MODE_0 = 7306;  // to 7308
inline constexpr int QUENAR_STR_TEXT_LINES_AFTER_TITLE = 7309;
inline constexpr int QUENAR_STR_TEXT_COLUMN_TYPE = 7310;
inline constexpr int QUENAR_STR_TEXT_COLUMN_WIDTH = 7311;
inline constexpr int QUENAR_STR_TEXT_LETTERS = 7312;
inline constexpr int QUENAR_STR_TEXT_WIDTH_MODE_0 = 7313;   // and 7314, "variable"
inline constexpr int QUENAR_STR_TEXT_COLUMN_TYPE_0 = 7315;  // to 7318
inline constexpr int QUENAR_STR_TEXT_FORMAT_PAGE = 7319;
inline constexpr int QUENAR_STR_TEXT_TYPE_LABEL = 7320;
inline constexpr int QUENAR_STR_TEXT_WIDTH_MODE = 7321;
inline constexpr int QUENAR_STR_TEXT_CHARACTERS = 7322;
inline constexpr int QUENAR_STR_TEXT_SEPARATOR = 7323;
inline constexpr int QUENAR_STR_TEXT_SEPARATOR_0 = 7324;  // to 7328
inline constexpr int QUENAR_STR_TEXT_USER_SEPARATOR = 7329;
inline constexpr int QUENAR_STR_TEXT_TITLE_PAGE = 7330;
inline constexpr int QUENAR_STR_TEXT_NAME_TITLE = 7331;
inline constexpr int QUENAR_STR_TEXT_LABEL_TITLE = 7332;
inline constexpr int QUENAR_STR_TEXT_UNIT_TITLE = 7333;
inline constexpr int QUENAR_STR_TEXT_USER_DEFINED = 7334;
inline constexpr int QUENAR_STR_TEXT_ALIGNMENT = 7335;
inline constexpr int QUENAR_STR_TEXT_BRACKETS = 7336;
inline constexpr int QUENAR_STR_TEXT_REPRESENTATION_PAGE = 7337;
inline constexpr int QUENAR_STR_TEXT_REPRESENTATION_0 = 7338;  // to 7340
inline constexpr int QUENAR_STR_TEXT_REPRESENTATION = 7341;
inline constexpr int QUENAR_STR_TEXT_NUMBER_FORMAT = 7342;
inline constexpr int QUENAR_STR_TEXT_NUMBER_FORMAT_0 = 7343;  // to 7345
inline constexpr int QUENAR_STR_TEXT_TIME_FORMAT = 7346;
inline constexpr int QUENAR_STR_TEXT_TIME_FORMAT_0 = 7347;  // to 7355
inline constexpr int QUENAR_STR_TEXT_PRECISION = 7356;
inline constexpr int QUENAR_STR_TEXT_NUMBER_WIDTH = 7357;
inline constexpr int QUENAR_STR_TEXT_NOTATION = 7358;
inline constexpr int QUENAR_STR_TEXT_NOTATION_0 = 7359;  // and 7360
inline constexpr int QUENAR_STR_TEXT_VALUE_ALIGNMENT = 7361;
inline constexpr int QUENAR_STR_TEXT_ALIGNMENT_0 = 7362;  // to 7364

// The "Descriptors" page of the measurement formats' channel definitions.
inline constexpr int QUENAR_STR_DESCRIPTORS_PAGE = 7400;
inline constexpr int QUENAR_STR_CHANNEL_NAME = 7401;
inline constexpr int QUENAR_STR_CHANNEL_COMMENT = 7402;
inline constexpr int QUENAR_STR_NAME_SOURCE_0 = 7403;     // to 7405
inline constexpr int QUENAR_STR_COMMENT_SOURCE_0 = 7406;  // to 7409

// One entry of the table: an identifier with its English and German text.
std::span<const NumberedString> QuenarStringTable();

// The text in the process language (German when the locale is German, else English);
// empty for an identifier the table does not hold.
std::string QuenarString(int id);
std::string QuenarString(int id, UiLanguage language);

}  // namespace grafyon::exportfilter
