#include "views/ImageDetailsGroup.h"

#include "base/AppContext.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"
#include "views/ValueLabel.h"

#include <QAccessible>
#include <QDir>
#include <QTest>

#include "AccessibleWidgets.h"

namespace lumivane {

using test::Named;

class ImageDetailsGroupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWarningIsRedToTheEyeAndTheReader();
};

void ImageDetailsGroupTest::aWarningIsRedToTheEyeAndTheReader() {
    ScopedAppContext context;
    test::InstallModelCatalogs();
    test::ScreenRoom room;
    room.projector->SetLensHeight(12.0);
    ImageDetailsGroup group;
    auto* keystone = Named<ValueLabel>(&group, u"Vertical Keystone"_qs);
    QCOMPARE(keystone->text(), u"0.0"_qs);
    group.ShowSetUp(room.auditorium.get(), room.projector, room.setUp);
    QVERIFY(keystone->IsWarning());
    QVERIFY(!Named<ValueLabel>(&group, u"Horizontal Keystone"_qs)->IsWarning());
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(keystone)->textInterface();
    QCOMPARE(text->text(0, text->characterCount()), keystone->text());
    int start = 0;
    int end = 0;
    QCOMPARE(text->attributes(0, &start, &end), u"fg-color:rgb(255,0,0);"_qs);
    // Set LUMIVANE_SCREENSHOTS to a folder to look at the group.
    if (const QString folder = qEnvironmentVariable("LUMIVANE_SCREENSHOTS"); !folder.isEmpty()) {
        group.grab().save(QDir(folder).filePath(u"image-details.png"_qs));
    }
    group.ShowSetUp(room.auditorium.get(), room.projector, nullptr);
    QVERIFY(!keystone->IsWarning());
    QCOMPARE(Named<ValueLabel>(&group, u"Height"_qs)->text(), QString());
}

} // namespace lumivane

QTEST_MAIN(lumivane::ImageDetailsGroupTest)
#include "ImageDetailsGroupTest.moc"
