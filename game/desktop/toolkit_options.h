// The toolkit's own options on a program's command line (-platform NAME,
// -display NAME, -style NAME, -reverse, …), which the toolkit takes itself
// when it starts: a program that reads its command line before that, so as
// to answer --help without a display, passes over them.
#pragma once

#include <QStringList>

namespace platform {

// The arguments without the toolkit's options and their values; the first
// (the program's name) is always kept.
QStringList WithoutToolkitOptions(const QStringList& arguments);

}  // namespace platform
