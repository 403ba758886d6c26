#include "SymbolTable.h"

#include <algorithm>

namespace tavlen {

namespace {

// Symbol key -> Material Icons codepoint (name in the font's ligature list). Sorted by key.
constexpr SymbolEntry kTable[] = {
    {u"arrow.up.forward.app", 0xe895},          // launch
    {u"arrow.up.right.square.fill", 0xe89e},    // open_in_new
    {u"atom", 0xe9f4},                          // hub
    {u"bell", 0xe7f4},                          // notifications
    {u"book.closed.fill", 0xe865},              // book
    {u"book.fill", 0xea19},                     // menu_book
    {u"books.vertical", 0xe02f},                // library_books
    {u"books.vertical.fill", 0xe02f},           // library_books
    {u"building.columns.fill", 0xe84f},         // account_balance
    {u"calendar", 0xe935},                      // calendar_today
    {u"calendar.badge.clock", 0xe916},          // date_range
    {u"calendar.badge.plus", 0xe878},           // event
    {u"camera.fill", 0xe412},                   // photo_camera
    {u"chart.bar.fill", 0xe26b},                // bar_chart
    {u"checkmark.circle", 0xe92d},              // check_circle_outline
    {u"checkmark.circle.fill", 0xe86c},         // check_circle
    {u"checkmark.seal.fill", 0xef76},           // verified
    {u"chevron.left", 0xe5cb},                  // chevron_left
    {u"chevron.right", 0xe5cc},                 // chevron_right
    {u"circle", 0xe836},                        // radio_button_unchecked
    {u"clock.fill", 0xe8b5},                    // schedule
    {u"cpu", 0xe322},                           // memory
    {u"doc.text", 0xe873},                      // description
    {u"exclamationmark.circle.fill", 0xe000},   // error
    {u"exclamationmark.triangle.fill", 0xe002}, // warning
    {u"figure.run", 0xe566},                    // directions_run
    {u"fork.knife", 0xe56c},                    // restaurant
    {u"function", 0xe24a},                      // functions
    {u"gearshape", 0xe8b8},                     // settings
    {u"globe", 0xe894},                         // language
    {u"globe.europe.africa.fill", 0xe80b},      // public
    {u"hammer", 0xea3c},                        // construction
    {u"hammer.fill", 0xea3c},                   // construction
    {u"heart.fill", 0xe87d},                    // favorite
    {u"info.circle", 0xe88f},                   // info_outline
    {u"leaf.fill", 0xea35},                     // eco
    {u"lightbulb.fill", 0xe0f0},                // lightbulb
    {u"link", 0xe157},                          // link
    {u"map.fill", 0xe55b},                      // map
    {u"megaphone.fill", 0xef49},                // campaign
    {u"menubar.rectangle", 0xe069},             // web_asset
    {u"minus.circle.fill", 0xe15c},             // remove_circle
    {u"music.note", 0xe405},                    // music_note
    {u"paintbrush.fill", 0xe3ae},               // brush
    {u"pencil", 0xe3c9},                        // edit
    {u"person.3.fill", 0xf233},                 // groups
    {u"plus", 0xe145},                          // add
    {u"plus.circle.fill", 0xe147},              // add_circle
    {u"rectangle.3.group", 0xe1bd},             // widgets
    {u"rectangle.3.group.fill", 0xe1bd},        // widgets
    {u"ruler.fill", 0xe41c},                    // straighten
    {u"staroflife.fill", 0xf109},               // medical_services
    {u"testtube.2", 0xea4b},                    // science
    {u"text.alignleft", 0xe236},                // format_align_left
    {u"textformat", 0xe262},                    // text_fields
    {u"theatermasks.fill", 0xea66},             // theater_comedy
    {u"trash", 0xe872},                         // delete
    {u"tray", 0xe156},                          // inbox
    {u"tray.full.fill", 0xe97f},                // all_inbox
    {u"xmark.circle", 0xe888},                  // highlight_off
    {u"xmark.circle.fill", 0xe5c9},             // cancel
};

} // namespace

std::span<const SymbolEntry> symbolTable() {
    return kTable;
}

char32_t symbolCodepoint(QStringView key) {
    const auto it = std::lower_bound(std::begin(kTable), std::end(kTable), key,
                                     [](const SymbolEntry& e, QStringView k) { return e.key < k; });
    if (it != std::end(kTable) && it->key == key)
        return it->codepoint;
    return kNeutralSymbol;
}

} // namespace tavlen
