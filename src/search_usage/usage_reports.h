#pragma once

#include "data/app_state.h"

namespace solario {

// The three notices that end the search by usage.
enum class UsageNoticeKind {
    NothingFound, // no asbestos-containing general name fits the years, part and usage
    Insulation,   // insulation was chosen: none of detached houses is held
    NoProduct,    // the ticked names with the filters match no product
};

// The conditions and the general names found, with a heading line at the top of every
// printed page.
Status WriteNameSelectReport(AppState& s);
// The conditions of the notice and its message.
Status WriteUsageNotice(AppState& s, UsageNoticeKind kind);

} // namespace solario
