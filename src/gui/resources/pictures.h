#pragma once

#include <QIcon>
#include <QPixmap>

#include "core/catalogue/object_kind.h"
#include "core/views/page_picture.h"
#include "gui/category_navigation.h"

namespace vdbq::gui {

// Makes the compiled-in pictures and sounds available; safe to call more than once.
void InitResources();

// Picture n (0 to 21) of the catalogue's image list.
QPixmap TreePicture(int index);
// A node's icon: the normal picture, and the selected one for a selected node.
QIcon TreeIcon(int normal, int selected);
// The picture of an object of the kind in the tree, for lists of objects of every kind; a null
// pixmap for None.
QPixmap KindPicture(ObjectKind kind);

// A category button's face; the highlighted face is also the icon of the category's page.
QPixmap CategoryFace(PageCategory category, bool highlighted);

enum class PanelButton { Next, Previous, Go };
QPixmap PanelButtonFace(PanelButton button, bool hovered);

// The operating-system, "unknown" and yes/no pictures of the object pages; a null pixmap for
// Picture::None.
QPixmap PagePicture(Picture picture);
QPixmap PrintPicture();

QPixmap BuiltInLogo();
QIcon ApplicationIcon();

enum class Background { TitleBar, LeftPanel, CommandPanel, About };
QPixmap BackgroundPicture(Background background);

}  // namespace vdbq::gui
