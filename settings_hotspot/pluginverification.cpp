// The Qt 4 shell checks a plug-in's build before loading it: it reads this text from the
// library's .qtplugin section, or asks qt_plugin_query_verification_data. It names the
// telephone's Qt whatever Qt 4.8 SDK builds the plug-in: a newer release or another build key
// would be refused. Qt 5's plug-in loader uses the metadata of Q_PLUGIN_METADATA instead and
// ignores both.

#include <QtPlugin>

#define HOTSPOT_VERIFICATION_TEXT                                                                  \
    "pattern=QT_PLUGIN_VERIFICATION_DATA\n"                                                        \
    "version=4.8.2\n"                                                                              \
    "debug=false\n"                                                                                \
    "buildkey=arm linux g++-4 no-pkg-config"

#if QT_VERSION < 0x050000

#include "settings_hotspot.h"

// Q_EXPORT_PLUGIN2 emits the section, the query function and the instance function; only the
// text it would take from the SDK (its release, debug flag and build key) is ours.
#undef Q_PLUGIN_VERIFICATION_DATA
#define Q_PLUGIN_VERIFICATION_DATA                                                                 \
    static const char qt_plugin_verification_data[] = HOTSPOT_VERIFICATION_TEXT;

Q_EXPORT_PLUGIN2(settings_hotspot, SettingsHotspot)

#else

namespace {

__attribute__((section(".qtplugin"), used)) const char verificationData[]
    = HOTSPOT_VERIFICATION_TEXT;

} // namespace

extern "C" Q_DECL_EXPORT const char *qt_plugin_query_verification_data()
{
    return verificationData;
}

#endif
