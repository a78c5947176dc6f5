#pragma once
// What start-up sets for the whole application before it creates the main
// window: the application title and the desktop entry it belongs to.

#include <QString>

class QGuiApplication;

namespace velmora {

// "电脑Velmora", the application title: the caption of message boxes and the
// name the desktop entry gives the program in task bars.
QString ApplicationTitle();

// Names the desktop entry, so that docks and task bars show its name and
// icon. The title is not made Qt's display name: on X11 that name is appended
// to every window caption, and each window keeps exactly its own caption.
void SetUpApplication(QGuiApplication& application);

}  // namespace velmora
