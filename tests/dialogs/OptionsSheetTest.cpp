#include "dialogs/OptionsSheet.h"

#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "support/TempDir.h"
#include "ui/QtSettingsStore.h"
#include "views/LengthEdit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include <memory>

#include "DialogTestTools.h"

namespace lumivane {

class OptionsSheetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void okWritesEveryPageToTheSettingsFile();
    void cancelLeavesTheSettingsFileAsItWas();
    void fieldsFollowTheirTypes();

private:
    QByteArray StoreText() const;
    // Changes something on every page.
    void EditEverything(COptionsSheet& sheet);

    std::unique_ptr<test::TempDir> m_configHome;
    std::unique_ptr<ScopedAppContext> m_context;
    std::shared_ptr<QtSettingsStore> m_store;
};

void OptionsSheetTest::initTestCase() {
    m_configHome = std::make_unique<test::TempDir>();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_configHome->path().string()));
    QStandardPaths::setTestModeEnabled(true);
}

void OptionsSheetTest::init() {
    m_context = std::make_unique<ScopedAppContext>();
    m_store = std::make_shared<QtSettingsStore>();
    m_context->context().settingsStore = m_store;
    m_store->WriteString("Options", "Company", "Kino Central");
    m_store->WriteInt("Settings", "Update", 90);
    m_store->Sync();
    ReadOptions(*m_store, Ctx().settings);
}

void OptionsSheetTest::cleanup() {
    m_store.reset();
    m_context.reset();
    // The user's store is a file here and the registry on Windows: each case starts empty.
    QSettings(QStringLiteral("Halvard"), QStringLiteral("qor30")).clear();
}

QByteArray OptionsSheetTest::StoreText() const {
#ifdef Q_OS_WIN
    // The store is the registry, which a second reader sees only once it is written: its values
    // as the lines of the file other systems keep, so the same lines are looked for.
    QSettings registry(QStringLiteral("Halvard"), QStringLiteral("qor30"));
    QByteArray text;
    for (const QString& key : registry.allKeys()) {
        QString value = registry.value(key).toString();
        value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        text += (key.section(QLatin1Char('/'), -1) + QLatin1Char('=') + value).toUtf8() + '\n';
    }
    return text;
#else
    QFile file(m_store->FileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
#endif
}

void OptionsSheetTest::EditEverything(COptionsSheet& sheet) {
    auto* company = sheet.findChild<QPlainTextEdit*>();
    company->setPlainText(QStringLiteral("Kino Nord\nHarbour Road 2"));
    test::TypeInto(test::Named<LengthEdit>(sheet, QStringLiteral("Allow")),
                   QStringLiteral("0.0254"));
    test::Named<QComboBox>(sheet, QStringLiteral("Default tilt"))->setCurrentIndex(1);
    test::TypeInto(test::Named<LengthEdit>(sheet, QStringLiteral("bottom of the screen")),
                   QStringLiteral("-1.5"));
    test::ButtonText(sheet, QStringLiteral("Automatically perform Live Updates"))->click();
}

void OptionsSheetTest::okWritesEveryPageToTheSettingsFile() {
    COptionsSheet sheet(nullptr);
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(test::Named<QSpinBox>(sheet, QStringLiteral("Perform update every"))->value(), 60);
    sheet.show();
    EditEverything(sheet);
    sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    const QByteArray text = StoreText();
    QVERIFY2(text.contains("ScreenEdge=25\n"), text.constData());
    QVERIFY(text.contains("TiltType=1\n"));
    QVERIFY(text.contains("TiltValue=-1500\n"));
    QVERIFY(text.contains("Company=Kino Nord\\nHarbour Road 2\n"));
    QVERIFY(text.contains("Automatic=0\n"));
    QVERIFY(text.contains("Update=60\n"));
    QVERIFY(text.contains("Connected=0\n"));
    QCOMPARE(Ctx().settings.m_tiltValue, -1.5);
    QCOMPARE(Ctx().settings.m_updateDays, 60);
}

void OptionsSheetTest::cancelLeavesTheSettingsFileAsItWas() {
    const QByteArray before = StoreText();
    const AppSettings settings = Ctx().settings;
    COptionsSheet sheet(nullptr);
    sheet.show();
    EditEverything(sheet);
    sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(StoreText(), before);
    QCOMPARE(Ctx().settings.m_company, settings.m_company);
    QCOMPARE(Ctx().settings.m_screenEdge, settings.m_screenEdge);
}

void OptionsSheetTest::fieldsFollowTheirTypes() {
    COptionsSheet sheet(nullptr);
    auto* height = test::Named<LengthEdit>(sheet, QStringLiteral("bottom of the screen"));
    auto* curve = test::Named<QComboBox>(sheet, QStringLiteral("Default curve"));
    QVERIFY(!height->isEnabled());
    test::Named<QComboBox>(sheet, QStringLiteral("Default tilt"))->setCurrentIndex(1);
    QVERIFY(height->isEnabled());
    curve->setCurrentIndex(3);
    const QStringList texts = [&] {
        QStringList all;
        for (const QLabel* label : sheet.findChildren<QLabel*>()) {
            all << label->text();
        }
        return all;
    }();
    QVERIFY(texts.contains(QStringLiteral(" 75%")));
    QVERIFY(texts.contains(QStringLiteral("3/4")));
    auto* porthole = test::Named<LengthEdit>(sheet, QStringLiteral("to outside wall"));
    QVERIFY(!porthole->isEnabled());
    test::ButtonText(sheet, QStringLiteral("Default calculate porthole size"))->click();
    QVERIFY(porthole->isEnabled());
}

} // namespace lumivane

QTEST_MAIN(lumivane::OptionsSheetTest)
#include "OptionsSheetTest.moc"
