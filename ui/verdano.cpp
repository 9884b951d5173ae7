#include "verdano.h"

#include "accessibility.h"
#include "bend_error.h"
#include "form_layout.h"
#include "form_style.h"
#include "picture_box.h"
#include "result_announcer.h"
#include "spoken_name.h"
#include "text_field.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace kantrix {

namespace {

using layout::twipRect;

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

const QColor lightYellowBackground{255, 255, 192};
const QColor lightOrangeBackground{255, 224, 192};

// The strip bent into an X under a bar: drawn by hand at 16 and 32 pixels, scalable beyond.
QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/kantrix-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/assets/kantrix-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/assets/kantrix.svg"));
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
    setFixedSize(layout::pixels(layout::clientWidth), layout::pixels(layout::clientHeight));
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

    const QString lengthHint = QStringLiteral("minimale Schenkellänge = 4*r");
    field(Field::Txt_l1)->setHint(lengthHint);
    field(Field::Txt_l2)->setHint(lengthHint);

    addPictures();
    setTabOrder();

    m_form.Form_Load();
    m_lastCompleted = m_form.snapshot();
    m_announcer = new ResultAnnouncer(
        this, {{Field::Txt_l5, field(Field::Txt_l5)}, {Field::Txt_v, field(Field::Txt_v)}});
    bindRules();

    // The window opens with the focus in the radius field and its text selected.
    field(Field::Txt_Radius)->setFocus(Qt::OtherFocusReason);
    m_form.Txt_Radius_GotFocus();
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
    return QStringLiteral("Kantrix     v2.1") + QString(42, QLatin1Char(' ')) +
           QStringLiteral("Kantrix-Projekt 2026");
}

TextField* Verdano::field(Field field) const
{
    return static_cast<TextField*>(m_fields.widget(field));
}

QGroupBox* Verdano::addFrame(const form::FrameDescription& description)
{
    auto* frame = new QGroupBox(toQString(description.caption), this);
    frame->setObjectName(toQString(description.name));
    frame->setGeometry(
        twipRect(layout::frameLeft, description.top, layout::frameWidth, description.height));
    frame->setFont(style::formFont(true));
    QPalette face = frame->palette();
    face.setColor(QPalette::Window, style::buttonFace);
    frame->setPalette(face);
    frame->setAutoFillBackground(true);
    return frame;
}

void Verdano::addRow(QGroupBox* frame, const form::RowDescription& row)
{
    const QFont font = style::formFont(row.bold);
    const int captionTop = form::labelTopOf(row);

    addLabel(frame, row.captionLabel, row.caption,
             twipRect(layout::captionLeft, captionTop, layout::captionWidth, layout::labelHeight),
             Qt::AlignRight, font);

    const bool isInput = isInputField(row.field);
    auto* text = new TextField(isInput ? TextField::Role::Input : TextField::Role::Result, frame);
    text->setObjectName(QString::fromUtf8(controlName(row.field)));
    text->setGeometry(
        twipRect(layout::fieldLeft, row.fieldTop, layout::fieldWidth, layout::fieldHeight));
    text->setFont(font);
    text->setText(QStringLiteral("Text1"));
    if (!isInput) {
        const bool keyResult = row.field == Field::Txt_l5 || row.field == Field::Txt_v;
        QPalette colours = text->palette();
        colours.setColor(QPalette::Base, keyResult ? lightOrangeBackground : lightYellowBackground);
        text->setPalette(colours);
    }
    // Not the caption's buddy: a screen reader would then speak the caption alone, without the
    // unit, in place of this name.
    text->setAccessibleName(QString::fromStdString(form::spokenName(row)));
    m_fields.bind(row.field, text);

    if (!row.unitLabel.empty()) {
        addLabel(frame, row.unitLabel, row.unit,
                 twipRect(layout::unitLeft, captionTop, layout::unitWidth, layout::labelHeight),
                 Qt::AlignLeft, font);
    }
}

void Verdano::addPictures()
{
    m_sketch = new PictureBox(QStringLiteral(":/assets/sketch.svg"), this);
    m_sketch->setObjectName(QStringLiteral("Picture2"));
    m_sketch->setGeometry(layout::sketchPicture);
    // Not a control: it never takes the focus, yet draws in full colour.
    m_sketch->setEnabled(false);
    m_sketch->setAccessibleName(QStringLiteral("Skizze der Biegung mit allen Formelzeichen"));

    m_logo = new PictureBox(QStringLiteral(":/assets/logo.svg"), this);
    m_logo->setObjectName(QStringLiteral("Picture1"));
    m_logo->setGeometry(layout::logoPicture);
    m_logo->setFocusPolicy(Qt::StrongFocus);
    m_logo->setToolTip(QStringLiteral("Kantrix-Projekt · Musterstraße 1 · 12345 Beispielstadt\n"
                                      "kontakt@kantrix.example"));
    m_logo->setAccessibleName(QStringLiteral("Logo des Kantrix-Projekts"));
}

void Verdano::setTabOrder()
{
    QWidget* const order[] = {field(Field::Txt_Radius), field(Field::Txt_Dicke),
                              field(Field::Txt_Beta),   field(Field::Txt_l1),
                              field(Field::Txt_l2),     m_logo};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Verdano::bindRules()
{
    for (Field input : inputFields) {
        TextField* text = field(input);
        connect(text, &TextField::entered, this, [this, input] {
            runRule(RuleKind::Enter, [this, input] { m_form.enterField(input); });
        });
        connect(text, &TextField::left, this, [this, input] {
            runRule(RuleKind::Leave, [this, input] { m_form.leaveField(input); });
        });
    }
}

void Verdano::runRule(RuleKind kind, const std::function<void()>& rule)
{
    if (m_faultShowing)
        return;
    try {
        rule();
        if (kind == RuleKind::Leave) {
            m_lastCompleted = m_form.snapshot();
            m_announcer->recalculated();
        }
    } catch (const BendError& error) {
        m_form.restore(m_lastCompleted);
        const QString message =
            QStringLiteral("Rechenfehler: %1.\n\nDie Eingabe wurde verworfen; alle Felder zeigen "
                           "wieder die zuletzt gültigen Werte.")
                .arg(QString::fromUtf8(faultMessage(error.kind())));
        // Shown once the focus has arrived where the user sent it, not in the middle of the move.
        QTimer::singleShot(0, this, [this, message] { reportFault(message); });
    }
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
