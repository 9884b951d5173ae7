#include "accessibility.h"

#include "event_hook.h"
#include "picture_box.h"
#include "text_field.h"
#include "verdano.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <future>

namespace kantrix::accessibility {

namespace {

// A text field of the form, or a line edit of a profile window presented as one. An input field
// is editable text; a result field is read-only text that cannot be edited. Both offer the whole
// text, however it is drawn, and one run of text attributes over all of it: Qt's own line-edit
// interface reports empty runs, after which a screen reader drops the last character and speaks
// "100" as "10".
class FieldText : public QAccessibleWidget,
                  public QAccessibleTextInterface,
                  public QAccessibleEditableTextInterface
{
public:
    explicit FieldText(QLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface && !isResult())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = isResult();
        state.editable = !isResult();
        state.selectableText = !isResult();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return field()->text();
        return QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override
    {
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = field()->selectionEnd();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override
    {
        if (!isResult())
            field()->setSelection(start, end - start);
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint& point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (!isResult())
            field()->setText(field()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }
    bool isResult() const
    {
        if (auto* formField = qobject_cast<const TextField*>(field()))
            return formField->role() == TextField::Role::Result;
        return field()->isReadOnly();
    }
};

// A result a label shows with its words, such as "Gestreckte Länge L = 152.010 mm": read-only
// text named by the label's accessible name whose text is the figure alone, the label's
// accessible description. A screen reader speaks a label's name only, never the figure.
class ResultFigure : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ResultFigure(QWidget* label) : QAccessibleWidget(label, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        return state;
    }

    // The figure is the text, and not the description too, which would be spoken after it.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return figure();
        if (kind == QAccessible::Description)
            return {};
        return QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return figure().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(figure().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString figure() const { return widget()->accessibleDescription(); }
};

// Marks the labels that presentAsResult() was asked for.
constexpr char presentedAsResult[] = "kantrixPresentedAsResult";

// Marks the line edits that presentAsField() was asked for.
constexpr char presentedAsField[] = "kantrixPresentedAsField";

bool isField(QObject* object)
{
    if (qobject_cast<TextField*>(object))
        return true;
    return qobject_cast<QLineEdit*>(object) && object->property(presentedAsField).toBool();
}

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    if (auto* window = qobject_cast<Verdano*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (isField(object))
        return new FieldText(static_cast<QLineEdit*>(object));
    if (object->isWidgetType() && object->property(presentedAsResult).toBool())
        return new ResultFigure(static_cast<QWidget*>(object));
    return nullptr;
}

QAccessible::UpdateHandler previousHandler = nullptr;
QPointer<QObject> announcedFocus;

void orderFocusFirst(QAccessibleEvent* event);

void pass(QAccessibleEvent* event)
{
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    // Qt's own delivery to the assistive tools runs only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&orderFocusFirst);
}

// Qt reports a widget's focus after its focus-in event, in which the enter rule has already
// selected the text. A screen reader that hears of the selection first takes it for the focus
// change and speaks the selected value alone. Caret and selection moves in a text field are
// therefore passed on only once its focus has been reported, and not while it loses the focus
// (which would be announced as "text unselected"); the screen reader reads the selection afresh
// when it presents the focused field.
void orderFocusFirst(QAccessibleEvent* event)
{
    switch (event->type()) {
    case QAccessible::Focus:
        announcedFocus = event->object();
        break;
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
        if (isField(event->object()) &&
            (event->object() != announcedFocus || event->object() != QApplication::focusWidget()))
            return;
        break;
    default:
        break;
    }
    pass(event);
}

// Reports the current cell of a view as focused: Qt reports only the view when the focus
// arrives, so that a screen reader says the table but not the cell that typing would change.
void reportCurrentCell(QAbstractItemView* view)
{
    const QModelIndex current = view->currentIndex();
    if (!QAccessible::isActive() || !view->hasFocus() || !current.isValid())
        return;
    QAccessibleInterface* viewInterface = QAccessible::queryAccessibleInterface(view);
    QAccessibleTableInterface* table = viewInterface ? viewInterface->tableInterface() : nullptr;
    QAccessibleInterface* cell = table ? table->cellAt(current.row(), current.column()) : nullptr;
    if (!cell)
        return;
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(viewInterface->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

} // namespace

void reportCurrentCellOnFocus(QAbstractItemView* view)
{
    // After the view's own focus, which Qt reports once the focus-in event has been handled.
    afterEvent(view, QEvent::FocusIn, HookRepeat::Always, [view] { reportCurrentCell(view); });
}

void speakCurrentItem(QComboBox* box)
{
    const QString hint = box->toolTip();
    const auto describe = [box, hint](const QString& item) {
        box->setAccessibleDescription(hint.isEmpty() ? item : item + QStringLiteral(". ") + hint);
    };
    QObject::connect(box, &QComboBox::currentTextChanged, box, describe);
    describe(box->currentText());
}

void presentAsResult(QWidget* label)
{
    label->setProperty(presentedAsResult, true);
}

void presentAsField(QLineEdit* edit)
{
    edit->setProperty(presentedAsField, true);
}

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&interfaceFor);
    previousHandler = QAccessible::installUpdateHandler(&orderFocusFirst);
}

namespace {

// Whether Qt's bridge will connect: forced, or a screen reader's bus that hands out its address.
bool bridgeWillStart()
{
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        return true;
    QDBusConnection session = QDBusConnection::sessionBus();
    const QString service = QStringLiteral("org.a11y.Bus");
    if (!session.isConnected() || !session.interface()->isServiceRegistered(service))
        return false;
    const QString path = QStringLiteral("/org/a11y/bus");
    QDBusInterface status(service, path, QStringLiteral("org.a11y.Status"), session);
    if (!status.property("ScreenReaderEnabled").toBool() && !status.property("IsEnabled").toBool())
        return false;
    QDBusInterface bus(service, path, service, session);
    const QDBusReply<QString> address = bus.call(QStringLiteral("GetAddress"));
    return address.isValid() && !address.value().isEmpty();
}

// The answer of bridgeWillStart(), asked on a thread of its own: on a desktop without a session
// bus, D-Bus first tries to launch one, which keeps the asking thread waiting for a millisecond or
// more.
std::future<bool> screenReaderAnswer;

} // namespace

void askForScreenReader()
{
    if (screenReaderAnswer.valid())
        return;
    // Qt's headless platforms have no accessibility bridge, so there is nothing to ask about.
    const QString platform = QGuiApplication::platformName();
    const bool headless =
        platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    screenReaderAnswer = headless ? std::async(std::launch::deferred, [] { return false; })
                                  : std::async(std::launch::async, &bridgeWillStart);
}

void startBeforeTheWindow()
{
    askForScreenReader();
    if (!screenReaderAnswer.get())
        return;
    // Qt gives up on an unanswered registry after its D-Bus timeout of 25 s per call.
    constexpr int longestWaitMs = 60000;
    QElapsedTimer waited;
    waited.start();
    QTimer wakeUp;
    wakeUp.start(50);
    while (!QAccessible::isActive() && waited.elapsed() < longestWaitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace kantrix::accessibility
