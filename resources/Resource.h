#pragma once
// Command and control ids. Each window keeps its ids in its own block.

// Main menu commands.
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_WINDOW_POPULATION = 32771;
constexpr int ID_WINDOW_SAMPLES = 32788;
constexpr int ID_WINDOW_SAMPLING_DIST = 32772;
constexpr int ID_WINDOW_CONF_INTERVALS = 32773;
constexpr int ID_WINDOW_POP_SETTINGS = 32774;
constexpr int ID_WINDOW_CLOSE = 32775;
constexpr int ID_MEASUREMENT_BINOMIAL = 32776;
constexpr int ID_MEASUREMENT_DISCRETE = 32777;
constexpr int ID_MEASUREMENT_CONTINUOUS = 32778;
constexpr int ID_OPTIONS_DISPLAY_SAMPLES = 32798;
constexpr int ID_OPTIONS_NO_DISPLAY_SAMPLES = 32799;
constexpr int ID_OPTIONS_OBSERVED = 32789;
constexpr int ID_OPTIONS_Z_VALUES = 32790;
constexpr int ID_OPTIONS_T_VALUES = 32791;
constexpr int ID_OPTIONS_PROPORTION_ABOVE = 32792;
constexpr int ID_OPTIONS_PROPORTION_BELOW = 32793;
constexpr int ID_OPTIONS_ONE_SLIDER = 32794;
constexpr int ID_OPTIONS_TWO_SLIDERS_SEPARATE = 32795;
constexpr int ID_OPTIONS_TWO_SLIDERS_TANDEM = 32796;
constexpr int ID_OPTIONS_POSSIBLE_MU = 32797;
// For the classroom: a picture for handouts, the whole screen, colours for every eye.
constexpr int ID_EDIT_COPY_PICTURE = 32800;
constexpr int ID_WINDOW_FULL_SCREEN = 32801;
constexpr int ID_OPTIONS_COLOUR_BLIND = 32802;
// Options > Language and its items.
constexpr int ID_OPTIONS_LANGUAGE = 32900;
constexpr int ID_OPTIONS_LANGUAGE_EN = 32901;
constexpr int ID_OPTIONS_LANGUAGE_DE = 32902;
constexpr int ID_OPTIONS_LANGUAGE_ES = 32903;
constexpr int ID_WINDOW_ARRANGE = 32803;
// The figures as text another program reads.
constexpr int ID_EDIT_COPY_SERIES_TEXT = 32804;
constexpr int ID_EDIT_COPY_SAMPLE_VALUES = 32805;
constexpr int ID_EDIT_COPY_POPULATION_TEXT = 32806;
// Speed menu: the speed buttons' S, 2, 3, 4, F from any window (Ctrl+1 .. Ctrl+5).
constexpr int ID_SPEED_S = 32811;
constexpr int ID_SPEED_2 = 32812;
constexpr int ID_SPEED_3 = 32813;
constexpr int ID_SPEED_4 = 32814;
constexpr int ID_SPEED_F = 32815;

// Pop-up shape menu of the Population window.
constexpr int ID_SHAPE_CLEAR = 32780;
constexpr int ID_SHAPE_BIMODAL = 32781;
constexpr int ID_SHAPE_NORMAL = 32782;
constexpr int ID_SHAPE_SKEW_MINUS = 32783;
constexpr int ID_SHAPE_SKEW_PLUS = 32784;
constexpr int ID_SHAPE_TRIMODAL = 32785;
constexpr int ID_SHAPE_U_SHAPED = 32786;
constexpr int ID_SHAPE_UNIFORM = 32787;

// Dorvane window (dialog template 137).
constexpr int IDD_SAMPLING_DIST = 137;
constexpr int IDC_SD_DRAW_SAMPLES = 1001;
constexpr int IDC_SD_SAMPLE_SIZE = 1012;
constexpr int IDC_SD_NUM_SAMPLES = 1013;
constexpr int IDC_SD_BIN_FINEST = 1014;
constexpr int IDC_SD_NORMAL_OUTLINE = 1015;
constexpr int IDC_SD_BIN_NARROW = 1016;
constexpr int IDC_SD_BIN_MEDIUM = 1017;
constexpr int IDC_SD_BIN_WIDE = 1018;
constexpr int IDC_SD_POP_OUTLINE = 1019;
constexpr int IDC_SD_SERIES_MODE = 1020;
constexpr int IDC_SD_TOTAL_DRAWN = 1021;
constexpr int IDC_SD_MEAN_OF_MEANS = 1022;
constexpr int IDC_SD_MEAN_OF_SDS = 1023;
constexpr int IDC_SD_SD_OF_MEANS = 1024;
constexpr int IDC_SD_SD_OF_SDS = 1025;
constexpr int IDC_SD_INTERVAL_WIDTH = 1026;
constexpr int IDC_SD_ACTUAL_NUMBER = 1027;
constexpr int IDC_SD_ACTUAL_PROPORTION = 1028;
constexpr int IDC_SD_Z_NUMBER = 1029;
constexpr int IDC_SD_Z_PROPORTION = 1030;
constexpr int IDC_SD_T_NUMBER = 1031;
constexpr int IDC_SD_T_PROPORTION = 1032;
constexpr int IDC_SD_AXIS_SCROLL = 1035;
constexpr int IDC_SD_SPEED_F = 1040;
constexpr int IDC_SD_SPEED_4 = 1041;
constexpr int IDC_SD_SPEED_3 = 1042;
constexpr int IDC_SD_SPEED_2 = 1043;
constexpr int IDC_SD_SPEED_S = 1044;

// Population windows: Population (dialog template 134), Population - Binomial
// (133), population settings (150) and the shape pop-up menu (139).
constexpr int IDD_POPULATION = 134;
constexpr int IDD_BINOMIAL_POP = 133;
constexpr int IDD_POP_SETTINGS = 150;
constexpr int IDR_SHAPE_MENU = 139;
constexpr int IDC_POP_PICTURE_1002 = 1002;
constexpr int IDC_POP_PICTURE_1003 = 1003;
constexpr int IDC_POP_PICTURE_1004 = 1004;
constexpr int IDC_POP_PICTURE_1005 = 1005;
constexpr int IDC_BINOMIAL_CLEAR = 1;
constexpr int IDC_BINOMIAL_P_FIRST = 2; // ".05"; id k sets p = 0.05 (k - 1)
constexpr int IDC_BINOMIAL_P_LAST = 21; // "1.00"
constexpr int IDC_SETTINGS_MEAN = 1113;
constexpr int IDC_SETTINGS_SD = 1114;
constexpr int IDC_SETTINGS_DEFAULT = 1115;
constexpr int IDC_SETTINGS_CANCEL = 1116;
constexpr int IDC_SETTINGS_SET = 1117;
constexpr int IDC_SETTINGS_MEAN_LABEL = 1118;
constexpr int IDC_SETTINGS_SD_LABEL = 1119;

// Samples window (dialog template 138).
constexpr int IDD_SAMPLES = 138;
constexpr int IDC_SAMPLES_DRAW_SAMPLES = 1002;
constexpr int IDC_SAMPLES_SERIES_MODE = 1042;
constexpr int IDC_SAMPLES_VIEW_TOGGLE = 1044;
constexpr int IDC_SAMPLES_SAMPLE_SIZE = 1045;
constexpr int IDC_SAMPLES_NUM_SAMPLES = 1046;
constexpr int IDC_SAMPLES_SCROLL = 1047;
constexpr int IDC_SAMPLES_SPEED_S = 1049;
constexpr int IDC_SAMPLES_SPEED_2 = 1048;
constexpr int IDC_SAMPLES_SPEED_3 = 1052;
constexpr int IDC_SAMPLES_SPEED_4 = 1051;
constexpr int IDC_SAMPLES_SPEED_F = 1050;

// Confidence Intervals window (dialog template 149).
constexpr int IDD_CONF_INTERVALS = 149;
constexpr int IDC_CI_SAMPLE_SIZE = 1087;
constexpr int IDC_CI_NUM_SAMPLES = 1088;
constexpr int IDC_CI_SERIES_MODE = 1089;
constexpr int IDC_CI_CONF_LEVEL = 1090;
constexpr int IDC_CI_SIDES = 1091;  // "Two Sided" / "One Sided"
constexpr int IDC_CI_END = 1092;    // "High End" / "Low End"
constexpr int IDC_CI_SIGMA = 1093;  // sigma "Known" / "Unknown"
constexpr int IDC_CI_Z_OR_T = 1094; // "z-value =" / "t-value ="
constexpr int IDC_CI_DRAW_SAMPLES = 1095;
constexpr int IDC_CI_SORT_ON = 1100;
constexpr int IDC_CI_CRITICAL_VALUE = 1101;
constexpr int IDC_CI_SORT_OFF = 1102;
constexpr int IDC_CI_TOTAL_DRAWN = 1103;
constexpr int IDC_CI_NUM_IN = 1104;
constexpr int IDC_CI_PCT_IN = 1105;
constexpr int IDC_CI_NUM_OUT = 1106;
constexpr int IDC_CI_PCT_OUT = 1107;
constexpr int IDC_CI_SPEED_S = 1108;
constexpr int IDC_CI_SPEED_2 = 1109;
constexpr int IDC_CI_SPEED_3 = 1110;
constexpr int IDC_CI_SPEED_4 = 1111;
constexpr int IDC_CI_SPEED_F = 1112;
constexpr int IDC_CI_SCROLL = 1047;
