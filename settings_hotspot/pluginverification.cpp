// The Qt 4 shell checks a plug-in's build before loading it: it reads this text from the
// library's .qtplugin section, or asks the exported function below. Qt 5's plug-in loader
// uses the metadata that Q_PLUGIN_METADATA adds instead, and ignores both.

#include <QtGlobal>

namespace {

__attribute__((section(".qtplugin"), used)) const char verificationData[]
    = "pattern=QT_PLUGIN_VERIFICATION_DATA\n"
      "version=4.8.2\n"
      "debug=false\n"
      "buildkey=arm linux g++-4 no-pkg-config";

} // namespace

extern "C" Q_DECL_EXPORT const char *qt_plugin_query_verification_data()
{
    return verificationData;
}
