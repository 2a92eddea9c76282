#pragma once

#include <QImage>

// The picture of the title window: a strip of the field with walls, the marks А and Б,
// the grey trace of a walk and the red executor at its end.
QImage drawTitlePicture();
