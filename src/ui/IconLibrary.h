#pragma once
// The program's own icons and pictures, compiled into its resources under ":/icons/". Each icon
// is drawn on pixel grids of 16, 24 and sometimes 32; it is rendered from the grid that fits
// each size exactly, so it stays sharp at 16, 24 and 32 pixels and at twice those.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QStringList>

namespace lumivane {

// "new", "open", "save", "project-tree", "print", "screen-curve", "screen-tilt", "email",
// "email-data", "help", "auditorium", "projector", "format", "lens", "lumivane". An unknown
// name gives a null icon.
QIcon LoadIcon(const QString& name);

// A picture ("about", "start", "wizard-wall", "wizard-booth") rendered at size logical pixels for a
// screen of the given device pixel ratio; a null pixmap for an unknown name.
QPixmap LoadPicture(const QString& name, QSize size, qreal devicePixelRatio);

// Every icon name the resources hold, sorted.
QStringList IconNames();

} // namespace lumivane
