#pragma once

#include <QPixmap>

namespace vdbq::gui {

// The confirmation dialog's pictures, drawn when first asked for.

// ImageQuestion: the question mark beside the dialog's texts.
QPixmap QuestionPicture();
// The face of ButYes or ButNo; the hovered face is lighter.
QPixmap AnswerFace(bool yes, bool hovered);

}  // namespace vdbq::gui
