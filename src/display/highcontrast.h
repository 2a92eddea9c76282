#pragma once

#include <QImage>
#include <QRgb>

// The field in colours that keep at least 4.5 : 1 against the background for a pupil who
// sees little contrast: the face turns white, the walls' edges, the trace and the crash
// picture black, the executor a darker red. The field picture itself keeps its colours
// (pictures saved, printed and compared stay as they are); only what is shown is recoloured.
namespace HighContrast {

QRgb colour(QRgb fieldColour);
// `area` of `picture`, recoloured.
QImage recoloured(const QImage &picture, const QRect &area);

} // namespace HighContrast
