#pragma once
#include <QStringList>

namespace turnpixa {

class CTurnPixaApp;

// The photos a file manager hands over when the user opens them with the
// wizard (%F in its desktop entry). The wizard takes no options: a word
// starting with '-' is never taken, and only existing regular files count.
// arguments come without the program's own name; the paths are made absolute.
QStringList photoPathsFromArguments(const QStringList& arguments);

// Once the main window runs: the Load page, and the photos loaded on it as
// one batch. Nothing happens for an empty list.
void openPhotosAtStart(CTurnPixaApp& app, const QStringList& paths);

}  // namespace turnpixa
