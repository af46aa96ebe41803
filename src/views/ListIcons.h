#pragma once
// The small pictures of the lens set-up list, drawn at any size so they stay sharp on every
// screen: the set-up's state (masked, no lens, lens chosen) and the link button's face (lens
// locked, linked, free).

#include "model/LensListText.h"

class QPainter;
class QRectF;

void PaintStateIcon(QPainter& painter, const QRectF& rect, lumivane::SetUpState state);
void PaintLinkIcon(QPainter& painter, const QRectF& rect, lumivane::LinkState state);
