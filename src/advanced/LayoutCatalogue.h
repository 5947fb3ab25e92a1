// The advanced test's keyboard layout catalogue: pages, drop-down orders, configuration names, ignored keys.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvo::advanced {

// Object names in the generated form that the dialog reaches by name or by prefix.
inline constexpr char kStackedWidgetName[] = "keyboard_advanced_test_stacked_widget";
inline constexpr char kKeyButtonPrefix[] = "keyboard_advanced_test_button1_";
inline constexpr char kIllustrationKeyPrefix[] = "keyboard_advanced_test_ilustration_";
inline constexpr char kIllustrationDescriptionPrefix[] = "keyboard_advanced_test_ilustration_description_";
inline constexpr char kInstructionPrefix[] = "keyboard_advanced_test_instruction_";

// "K" and the two-digit page index; a key's object name ends in "_" and its page's tag.
inline constexpr char kPageTagFormat[] = "K%02d";
// A code c is found in key names by "W", the decimal digits of c and "_".
inline constexpr char kCodeFragmentFormat[] = "W%1_";

inline constexpr int kPageCount = 13;
// The page the form's set-up leaves current.
inline constexpr int kFormInitialPage = 5;

struct Rect {
    int x;
    int y;
    int width;
    int height;
};

struct LayoutPage {
    int index; // position in the stacked widget, and the number in the page tag
    const char* layoutName; // shown in the drop-down and accepted as a configured layout
    const char* pageObjectName;
    const char* containerObjectName;
    Rect container; // key container inside the page; several are offset to centre their keys
    int keyButtons; // "keyboard_advanced_test_button1_" buttons, the illustration key not counted
    int ignoredKeys; // of those, keys in the ignored set
    int keysToMark; // keyButtons - ignoredKeys
    int defaultPosition; // drop-down position in the default order
    int japanesePosition; // drop-down position in the Japanese order
};

// Page object names are spelled as the catalogue gives them ("laytout" included); the dialog never
// looks them up.
inline constexpr std::array<LayoutPage, kPageCount> kLayoutPages{{
    {0, "Kora-14", "keyboard_advanced_test_layout_Kora_14", "keyboard_advanced_test_layout1_18",
     {0, -30, 908, 291}, 84, 1, 83, 0, 4},
    {1, "Rima", "keyboard_advanced_test_layout_Rima", "keyboard_advanced_test_layout1_17",
     {10, -30, 908, 291}, 84, 1, 83, 1, 5},
    {2, "Nerv", "keyboard_advanced_test_layout_Nerv", "keyboard_advanced_test_layout1_16",
     {10, -30, 908, 301}, 82, 1, 81, 2, 6},
    {3, "Pell-14", "keyboard_advanced_test_laytout_Pell_14", "keyboard_advanced_test_layout1_15",
     {10, -30, 908, 291}, 80, 1, 79, 3, 7},
    {4, "Tamb-14", "keyboard_advanced_layout_Tamb_14", "keyboard_advanced_layout1_14",
     {10, -30, 908, 301}, 80, 2, 78, 4, 8},
    {5, "Pell-15", "keyboard_advanced_layout_Pell_15", "keyboard_advanced_layout1_13",
     {0, -30, 908, 301}, 101, 1, 100, 5, 9},
    {6, "Ozel", "keyboard_advanced_test_layout_Ozel", "keyboard_advanced_test_layout1_12",
     {0, -30, 908, 291}, 102, 1, 101, 6, 10},
    {7, "Sola", "keyboard_advanced_test_layout_Sola", "keyboard_advanced_test_layout1_6",
     {0, -30, 908, 291}, 105, 5, 100, 7, 11},
    {8, "ABNT2", "keyboard_advanced_test_page_2", "keyboard_advanced_test_layout1_7",
     {0, -10, 908, 291}, 105, 2, 103, 8, 12},
    {9, "Juno(JP)", "keyboard_advanced_test_layout_Juno_JP", "keyboard_advanced_test_layout1_8",
     {-90, -40, 1471, 431}, 88, 1, 87, 9, 0},
    {10, "Pell-15(JP)", "keyboard_advanced_test_layout_Pell_15JP", "keyboard_advanced_test_layout1_9",
     {-370, -60, 1231, 321}, 105, 1, 104, 10, 1},
    {11, "Kora-15(JP)", "keyboard_advanced_test_layout_Kora_15JP", "keyboard_advanced_test_layout1_10",
     {-370, -50, 1231, 321}, 106, 1, 105, 11, 2},
    {12, "Vesk-13(JP)", "keyboard_advanced_test_layout_Vesk_JP", "keyboard_advanced_test_layout1_11",
     {-270, -60, 1231, 321}, 84, 1, 83, 12, 3},
}};

// One record of a drop-down order: which page the item at that position shows.
struct DropDownEntry {
    int page;
    const char* layoutName;
    int position;
};

// Both orders are indexed by page, as the dialog's page table is.
using DropDownOrder = std::array<DropDownEntry, kPageCount>;

constexpr DropDownOrder MakeDropDownOrder(bool japanese)
{
    DropDownOrder order{};
    for (int page = 0; page < kPageCount; ++page) {
        const LayoutPage& layout = kLayoutPages[static_cast<std::size_t>(page)];
        order[static_cast<std::size_t>(page)] = {page, layout.layoutName,
                                                 japanese ? layout.japanesePosition : layout.defaultPosition};
    }
    return order;
}

inline constexpr DropDownOrder kDefaultDropDownOrder = MakeDropDownOrder(false);
// The four Japanese layouts first, the others after them in page order.
inline constexpr DropDownOrder kJapaneseDropDownOrder = MakeDropDownOrder(true);

// Configuration: "config.ini", section "KEYBOARD".
inline constexpr char kLayoutConfigKey[] = "ADVANCED_TEST_LAYOUT";
inline constexpr char kStrictModeConfigKey[] = "ADVANCED_TEST_STRICT_MODE";

struct ConfigName {
    const char* value;
    int number;
};

// The values of ADVANCED_TEST_LAYOUT that select a page: the layout names, exactly.
inline constexpr std::array<ConfigName, kPageCount> kLayoutConfigNames{{
    {"Kora-14", 0}, {"Rima", 1}, {"Nerv", 2}, {"Pell-14", 3}, {"Tamb-14", 4}, {"Pell-15", 5},
    {"Ozel", 6}, {"Sola", 7}, {"ABNT2", 8}, {"Juno(JP)", 9}, {"Pell-15(JP)", 10},
    {"Kora-15(JP)", 11}, {"Vesk-13(JP)", 12},
}};

// The values of ADVANCED_TEST_STRICT_MODE that count.
inline constexpr std::array<ConfigName, 2> kStrictModeConfigNames{{{"0", 0}, {"1", 1}}};

inline constexpr int kIgnoredKeyCount = 32;

// Keys the low-level hook never reports (Fn, power and launch keys) and each page's illustration
// key: drawn dark-bordered, never marked, counted as done.
inline constexpr std::array<const char*, kIgnoredKeyCount> kIgnoredKeyNames{{
    "keyboard_advanced_test_button1_WX_L151_21_K00",
    "keyboard_advanced_test_button1_WX_L151_20_K01",
    "keyboard_advanced_test_button1_WX_L151_19_K02",
    "keyboard_advanced_test_button1_WX_L151_17_K03",
    "keyboard_advanced_test_button1_WX_L151_16_K04",
    "keyboard_advanced_test_button1_WX_LX_2_K04",
    "keyboard_advanced_test_button1_WX_L151_15_K05",
    "keyboard_advanced_test_button1_WX_L151_10_K06",
    "keyboard_advanced_test_button1_WX_L151_7_K07",
    "keyboard_advanced_test_button1_WX_L16777379__K07",
    "keyboard_advanced_test_button1_WX_L46__K07",
    "keyboard_advanced_test_button1_WX_L16777360__K07",
    "keyboard_advanced_test_button1_WX_L26__K07",
    "keyboard_advanced_test_button1_WX1__K08",
    "keyboard_advanced_test_button1_WX3__K08",
    "keyboard_advanced_test_button1_WX_L151_18_K09",
    "keyboard_advanced_test_button1_WX_L151_15_K10",
    "keyboard_advanced_test_button1_WX_L151_15_K11",
    "keyboard_advanced_test_button1_WX_L151_15_K12",
    "keyboard_advanced_test_ilustration_K00",
    "keyboard_advanced_test_ilustration_K01",
    "keyboard_advanced_test_ilustration_K02",
    "keyboard_advanced_test_ilustration_K03",
    "keyboard_advanced_test_ilustration_K04",
    "keyboard_advanced_test_ilustration_K05",
    "keyboard_advanced_test_ilustration_K06",
    "keyboard_advanced_test_ilustration_K07",
    "keyboard_advanced_test_ilustration_K08",
    "keyboard_advanced_test_ilustration_K09",
    "keyboard_advanced_test_ilustration_K10",
    "keyboard_advanced_test_ilustration_K11",
    "keyboard_advanced_test_ilustration_K12",
}};

// "K00" to "K12"; empty for an index outside the catalogue.
std::string PageTag(int page);

// The page a configured ADVANCED_TEST_LAYOUT value selects (exact, case-sensitive match).
std::optional<int> PageForLayoutName(std::string_view layoutName);

// The strict-mode setting an ADVANCED_TEST_STRICT_MODE value gives, if it is "0" or "1".
std::optional<int> StrictModeForConfigValue(std::string_view value);

// The page shown by the drop-down item at position, in the given order.
std::optional<int> PageForDropDownPosition(const DropDownOrder& order, int position);

bool IsIgnoredKey(std::string_view objectName);

} // namespace corvo::advanced
