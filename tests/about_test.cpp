// The About window, reached from the picture's right-click menu.
#include <gnu/libc-version.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "app/look.h"
#include "packaging/version.h"
#include "window_fixture.h"

namespace draftcalc::app {
namespace {

// Right-clicks the picture as a user does and picks `entry` from the menu
// that opens; the texts of the menu's entries.
std::vector<std::string> PickFromPictureMenu(Form_miret& form, const QString& entry) {
  std::vector<std::string> entries;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) {
      entries.push_back(Str(action->text()));
      if (action->text() == entry) menu->setActiveAction(action);
    }
    QTest::keyClick(menu, Qt::Key_Return);  // picks the active entry, or closes the menu
  });
  const QPoint at = Part<PictureBox>(form, "picture")->rect().center();
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, Part<PictureBox>(form, "picture")->mapToGlobal(at));
  QApplication::sendEvent(Part<PictureBox>(form, "picture"), &click);
  return entries;
}

TEST_F(Window, ThePictureMenuOpensTheAboutWindowMadeOnce) {
  EXPECT_EQ(form.About(), nullptr) << "made when first asked for, not at start-up";
  EXPECT_EQ(PickFromPictureMenu(form, "About draftcalc").back(), "About draftcalc");
  ASSERT_NE(form.About(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.About()));
  EXPECT_TRUE(form.About()->text().contains(Utf8(kVersion)));
  EXPECT_FALSE(form.About()->iconPixmap().isNull());

  QTest::keyClick(form.About(), Qt::Key_Escape);
  EXPECT_FALSE(form.About()->isVisible());
  AboutWindow* first = form.About();
  PickFromPictureMenu(form, "About draftcalc");
  EXPECT_EQ(form.About(), first);
  EXPECT_TRUE(form.About()->isVisible());
}

TEST(About, NamesTheVersionLicenceAndTheLibrariesAsLoaded) {
  const QString html = AboutWindow::Html();
  for (const QString& text :
       {"draftcalc " + Utf8(kVersion), QString("MIT License"), Utf8(kCopyright).toHtmlEscaped(),
        "Qt " + QString(qVersion()), "GNU C Library " + QString(gnu_get_libc_version()), QString("dxflib 3.")}) {
    EXPECT_TRUE(html.contains(text)) << Str(text);
  }
}

TEST(About, TheProgramIconIsBuiltInAtBothSizes) {
  const QIcon icon = ProgramIcon();
  for (const int size : {48, 256}) {
    const QImage image = icon.pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_NE(image.pixelColor(size / 2, size / 2).alpha(), 0) << "an icon read from the resources, not a blank one";
  }
}

}  // namespace
}  // namespace draftcalc::app
