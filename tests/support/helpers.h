#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <QVariantMap>
#include <initializer_list>
#include <utility>

namespace solario::test {

// A row for FixtureDb::AddProduct or AddGeneralName: column name and value.
inline QVariantMap Product(std::initializer_list<std::pair<const char16_t*, QVariant>> values) {
    QVariantMap m;
    for (const auto& [k, v] : values)
        m.insert(QString::fromUtf16(k), v);
    return m;
}

// The documents a test's installation names, as small PDF files in the folder: the
// explanation documents the tests' app.ini files name, and one per general-name ID
// (01.pdf … 41.pdf).
inline void WriteDocuments(const QString& folder) {
    QDir().mkpath(folder);
    QStringList names = {QStringLiteral("注意"), QStringLiteral("登録"), QStringLiteral("環境"),
                         QStringLiteral("部位"), QStringLiteral("期間"), QStringLiteral("一覧"),
                         QStringLiteral("認定")};
    for (int id = 1; id <= 41; ++id)
        names.append(QStringLiteral("%1").arg(id, 2, 10, QChar(u'0')));
    for (const QString& name : names) {
        QFile file(QDir(folder).filePath(name + QStringLiteral(".pdf")));
        if (file.open(QIODevice::WriteOnly))
            file.write("%PDF-1.4\n%%EOF\n");
    }
}

// A combo's items in order.
inline QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items.append(combo.itemText(i));
    return items;
}

// A key pressed and released on the control that has the focus, as a user types.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY2(focused, "no control has the focus");
    QTest::keyClick(focused, key, modifiers);
}

// Text typed into the control that has the focus, one key event per character; a
// character beyond ASCII comes as an input method gives it, as text on an unknown key.
inline void Type(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY2(focused, "no control has the focus");
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(focused, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focused, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The object name of the control that has the focus.
inline QString FocusName() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

} // namespace solario::test
