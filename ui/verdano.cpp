#include "verdano.h"

#include "accessibility.h"
#include "bend_error.h"
#include "form_commands.h"
#include "form_layout.h"
#include "form_style.h"
#include "picture_box.h"
#include "raw_picture.h"
#include "result_announcer.h"
#include "text_field.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace kantrix {

namespace {

using layout::pixelRect;

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The strip bent into an X under a bar: drawn by hand at 16 and 32 pixels, and the drawing
// rendered at its natural 32 pixels.
QIcon programIcon()
{
    QIcon icon;
    for (const char* picture :
         {":/assets/kantrix-16.png", ":/assets/kantrix-32.png", ":/assets/kantrix.svg"}) {
        icon.addPixmap(QPixmap::fromImage(rawPicture(renderedPicture(QLatin1String(picture), 1))));
    }
    return icon;
}

// Labels draw their text from the top of their box, as the captions of the rows are placed.
QLabel* addLabel(QWidget* frame, std::string_view name, std::string_view text,
                 const QRect& geometry, Qt::Alignment alignment, const QFont& font)
{
    auto* label = new QLabel(toQString(text), frame);
    label->setObjectName(toQString(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(font);
    return label;
}

} // namespace

Verdano::Verdano(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    accessibility::install();
    setObjectName(QStringLiteral("Verdano"));
    setWindowTitle(caption());
    // Spoken without the blanks that space the title bar, and without the maker's credit.
    setAccessibleName(
        caption().left(caption().indexOf(QString(42, QLatin1Char(' ')))).simplified());
    setWindowIcon(programIcon());
    setFixedSize(layout::pixels(form::clientWidth), layout::pixels(form::clientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, style::formBackground);
    setPalette(background);
    setAutoFillBackground(true);

    // Rows are created top to bottom so that where two fields overlap, the lower lies on top.
    std::array<QGroupBox*, form::frames.size()> frames{};
    for (std::size_t i = 0; i < frames.size(); ++i)
        frames[i] = addFrame(form::frames[i]);
    for (const form::RowDescription& row : form::rows)
        addRow(frames[row.frame], row);

    addPictures();
    setTabOrder();

    m_form.Form_Load();
    m_announcer = new ResultAnnouncer(
        this, {{Field::Txt_l5, field(Field::Txt_l5)}, {Field::Txt_v, field(Field::Txt_v)}});
    bindRules();

    // The window opens with the focus in the radius field and its text selected.
    field(Field::Txt_Radius)->setFocus(Qt::OtherFocusReason);
    m_form.enterField(Field::Txt_Radius);

    new FormCommands(*this);
}

// The fields outlive the form and its snapshot while the widget tree is torn down; cut their
// rules off first, so that no focus change during destruction can run one.
Verdano::~Verdano()
{
    for (Field each : allFields)
        m_fields.widget(each)->disconnect(this);
}

QString Verdano::caption()
{
    return toQString(form::caption);
}

TextField* Verdano::field(Field field) const
{
    return static_cast<TextField*>(m_fields.widget(field));
}

QGroupBox* Verdano::addFrame(const form::FrameDescription& description)
{
    auto* frame = new QGroupBox(toQString(description.caption), this);
    frame->setObjectName(toQString(description.name));
    frame->setGeometry(pixelRect(form::frameRect(description)));
    frame->setFont(style::formFont(form::frameCaptionBold));
    QPalette face = frame->palette();
    face.setColor(QPalette::Window, style::buttonFace);
    frame->setPalette(face);
    frame->setAutoFillBackground(true);
    return frame;
}

void Verdano::addRow(QGroupBox* frame, const form::RowDescription& row)
{
    const QFont font = style::formFont(row.bold);
    addLabel(frame, row.captionLabel, row.caption, pixelRect(form::captionRect(row)),
             Qt::AlignRight, font);

    const bool isInput = isInputField(row.field);
    auto* text = new TextField(isInput ? TextField::Role::Input : TextField::Role::Result, frame);
    text->setObjectName(QString::fromUtf8(controlName(row.field)));
    text->setGeometry(pixelRect(form::fieldRect(row)));
    text->setFont(font);
    text->setText(QStringLiteral("Text1"));
    if (!isInput) {
        QPalette colours = text->palette();
        colours.setColor(QPalette::Base, style::toQColor(form::initialBackColor(row.field)));
        text->setPalette(colours);
    }
    if (!row.toolTip.empty())
        text->setHint(toQString(row.toolTip));
    // Not the caption's buddy: a screen reader would then speak the caption alone, without the
    // unit, in place of this name.
    text->setAccessibleName(QString::fromStdString(form::accessibleName(row)));
    m_fields.bind(row.field, text);

    if (!row.unitLabel.empty()) {
        addLabel(frame, row.unitLabel, row.unit, pixelRect(form::unitRect(row)), Qt::AlignLeft,
                 font);
    }
}

void Verdano::addPictures()
{
    m_sketch = addPicture(form::sketch);
    // Not a control: it never takes the focus, yet draws in full colour.
    m_sketch->setEnabled(false);
    m_logo = addPicture(form::logo);
}

PictureBox* Verdano::addPicture(const form::PictureDescription& description)
{
    auto* picture = new PictureBox(QStringLiteral(":/") + toQString(description.file), this);
    picture->setObjectName(toQString(description.name));
    picture->setGeometry(pixelRect(description.rect));
    if (description.takesFocus)
        picture->setFocusPolicy(Qt::StrongFocus);
    if (!description.toolTip.empty())
        picture->setToolTip(toQString(description.toolTip));
    picture->setAccessibleName(toQString(description.accessibleName));
    return picture;
}

void Verdano::setTabOrder()
{
    QWidget* previous = nullptr;
    for (std::string_view name : form::tabOrder) {
        auto* stop = findChild<QWidget*>(toQString(name));
        if (previous)
            QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

void Verdano::bindRules()
{
    for (Field input : inputFields) {
        TextField* text = field(input);
        connect(text, &TextField::entered, this,
                [this, input] { runRule([this, input] { return m_form.enterField(input); }); });
        connect(text, &TextField::left, this,
                [this, input] { runRule([this, input] { return m_form.leaveField(input); }); });
    }
}

bool Verdano::commitEntry()
{
    for (Field input : inputFields) {
        if (focusWidget() != field(input))
            continue;
        if (!runRule([this, input] { return m_form.leaveField(input); }))
            return false;
        // The rewritten field reads as one just entered, its whole text selected.
        return runRule([this, input] { return m_form.enterField(input); });
    }
    return !m_faultShowing;
}

bool Verdano::runRule(const std::function<std::optional<FaultKind>()>& rule)
{
    if (m_faultShowing)
        return false;
    const std::optional<FaultKind> fault = rule();
    if (!fault) {
        m_announcer->recalculated();
        return true;
    }
    const QString message = QString::fromStdString(faultReport(*fault));
    // Shown once the focus has arrived where the user sent it, not in the middle of the move.
    QTimer::singleShot(0, this, [this, message] { reportFault(message); });
    return false;
}

void Verdano::reportFault(const QString& message)
{
    m_faultShowing = true;
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Kantrix"), message,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("FaultMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, this, [this] { m_faultShowing = false; });
    // show(), not open(): QDialog::open() turns any modality into Qt::WindowModal.
    box->show();
    Q_EMIT faultReported(message);
}

} // namespace kantrix
