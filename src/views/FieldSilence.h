#pragma once
// A view or bar taken down while one of its fields holds the focus: Qt takes the focus from
// that field only as the field itself goes, after the owner's destructor has run, and the
// field's last edit would then reach an owner half taken down. The owner silences its
// fields first; nothing is lost, as the window commits an unsettled field before it closes,
// undoes, saves or leaves a view.

class QObject;

// Every object below owner emits nothing from now on.
void SilenceFields(QObject& owner);
