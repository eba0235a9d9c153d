#pragma once

//
//  W A R N I N G
//  -------------
//
// Not part of the widget set's interface: the benchmarks empty the text cache through it, to
// count what a screen's texts take in it. It may change from build to build.
//

namespace TextCache {

// Drops every kept picture and elided text.
void clear();

} // namespace TextCache
