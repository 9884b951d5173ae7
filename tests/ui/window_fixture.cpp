#include "window_fixture.h"

#include "form_style.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTest>

void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << '(' << rect.x() << ',' << rect.y() << ',' << rect.width() << ',' << rect.height()
         << ')';
}

void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << "rgb(" << colour.red() << ',' << colour.green() << ',' << colour.blue() << ')';
}

namespace kantrix::test {

namespace {

constexpr int messageTimeoutMs = 2000;

// Keys without a widget go to the window that has the keyboard, through the window system.
QWidget* const keyboard = nullptr;

} // namespace

void WindowTest::SetUp()
{
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "offscreen");
    m_styleName = QApplication::style()->name();
    m_palette = QApplication::palette();
    m_font = QApplication::font();
    style::applyFormStyle(*qApp);

    m_window = std::make_unique<Verdano>();
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowTest::TearDown()
{
    QCoreApplication::processEvents();
    if (!m_faultsExpected) {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "an unexpected modal dialog";
    }
    m_window.reset();
    for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
        delete QApplication::activeModalWidget();

    QApplication::setStyle(m_styleName);
    QApplication::setPalette(m_palette);
    QApplication::setFont(m_font);
}

QWidget* WindowTest::control(const char* name)
{
    auto* widget = m_window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget)
        ADD_FAILURE() << "no control " << name;
    return widget;
}

QLineEdit* WindowTest::text(Field field)
{
    return qobject_cast<QLineEdit*>(control(controlName(field).data()));
}

std::string WindowTest::textOf(Field field)
{
    return text(field)->text().toStdString();
}

std::string WindowTest::focusName() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName().toStdString() : "(nothing)";
}

Shown WindowTest::shown()
{
    Shown now;
    for (Field field : allFields)
        now.texts[static_cast<std::size_t>(field)] = text(field)->text();
    now.vBackground = text(Field::Txt_v)->palette().color(QPalette::Base);
    now.state = state();
    return now;
}

testing::AssertionResult WindowTest::shows(const Shown& expected)
{
    const Shown now = shown();
    testing::Message differences;
    for (Field field : allFields) {
        const auto i = static_cast<std::size_t>(field);
        if (now.texts[i] != expected.texts[i]) {
            differences << controlName(field) << " shows \"" << now.texts[i].toStdString()
                        << "\", not \"" << expected.texts[i].toStdString() << "\"\n";
        }
    }
    if (now.vBackground != expected.vBackground)
        differences << "Txt_v has another background\n";
    if (!(now.state == expected.state))
        differences << "the bend state differs\n";
    const std::string found = differences.GetString();
    return found.empty() ? testing::AssertionSuccess() : testing::AssertionFailure() << found;
}

void WindowTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(keyboard, key, modifiers);
}

void WindowTest::typeOver(const std::string& text)
{
    if (text.empty())
        press(Qt::Key_Delete);
    // A key's code is the upper-case character for every Latin-1 character, umlauts included.
    for (const QChar character : QString::fromStdString(text)) {
        QTest::sendKeyEvent(QTest::Click, keyboard, Qt::Key(character.toUpper().unicode()),
                            QString(character), Qt::NoModifier);
    }
}

void WindowTest::click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void WindowTest::enterText(Field field, const std::string& text)
{
    for (int i = 0; i < 6 && focusName() != controlName(field); ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), controlName(field));
    typeOver(text);
}

void WindowTest::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (!m_faultsExpected) {
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "an unexpected modal dialog";
    }
}

QMessageBox* WindowTest::awaitFaultMessage()
{
    if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; },
                         messageTimeoutMs))
        return nullptr;
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

void WindowTest::dismiss(QMessageBox* box)
{
    ASSERT_NE(box, nullptr);
    QPointer<QMessageBox> open(box);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !open || !open->isVisible(); }, messageTimeoutMs));
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

QColor paintedBackground(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor(4, image.height() / 2);
}

} // namespace kantrix::test
