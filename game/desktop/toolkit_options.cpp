#include "game/desktop/toolkit_options.h"

#include <algorithm>
#include <iterator>

namespace platform {
namespace {

// Qt's options for every program, with whether a value follows.
struct ToolkitOption {
    const char* name;
    bool value;
};
constexpr ToolkitOption kToolkitOptions[] = {{"platform", true},
                                             {"platformpluginpath", true},
                                             {"platformtheme", true},
                                             {"plugin", true},
                                             {"qwindowgeometry", true},
                                             {"qwindowtitle", true},
                                             {"qwindowicon", true},
                                             {"display", true},
                                             {"geometry", true},
                                             {"style", true},
                                             {"stylesheet", true},
                                             {"session", true},
                                             {"reverse", false},
                                             {"widgetcount", false},
                                             {"nograb", false},
                                             {"dograb", false},
                                             {"sync", false}};

}  // namespace

QStringList WithoutToolkitOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // The toolkit reads "-platform" and "--platform" alike.
        const bool option = i > 0 && argument.startsWith('-');
        const QString name =
            argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section('=', 0, 0);
        const auto* toolkit =
            std::find_if(std::begin(kToolkitOptions), std::end(kToolkitOptions),
                         [&](const ToolkitOption& o) { return name == QLatin1String(o.name); });
        if (!option || toolkit == std::end(kToolkitOptions)) {
            kept << argument;
        } else if (toolkit->value && !argument.contains('=')) {
            ++i;  // and its value
        }
    }
    return kept;
}

}  // namespace platform
