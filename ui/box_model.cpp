#include "box_model.h"

#include "bend_error.h"
#include "box_refusal.h"
#include "field_marks.h"
#include "number_text.h"
#include "part_draft.h"
#include "profile_model.h"

#include <QUndoStack>

namespace kantrix {

using box::BoxItem;
using box::Side;
using profile::Measure;

namespace {

const char* const commonNames[] = {"Blechdicke s",      "Biegeradius r", "Länge A",
                                   "Breite B",          "Spalt g",       "Freistich-Durchmesser d",
                                   "Matrizenöffnung V", "Presse"};

QString commonName(BoxCommon which)
{
    return QString::fromUtf8(commonNames[static_cast<int>(which)]);
}

Side sideOf(int row)
{
    return box::allSides[static_cast<std::size_t>(row)];
}

QString wallCaption(int row)
{
    return QString::fromStdString(box::wallName(sideOf(row)));
}

std::optional<double>* optionalValue(box::Box& part, BoxCommon which)
{
    switch (which) {
    case BoxCommon::Die:
        return &part.die;
    case BoxCommon::PressLimit:
        return &part.pressLimit;
    default:
        return nullptr;
    }
}

double* plainValue(box::Box& part, BoxCommon which)
{
    switch (which) {
    case BoxCommon::Thickness:
        return &part.thickness;
    case BoxCommon::Radius:
        return &part.radius;
    case BoxCommon::Length:
        return &part.length;
    case BoxCommon::Width:
        return &part.width;
    case BoxCommon::Gap:
        return &part.gap;
    case BoxCommon::ReliefDiameter:
        return &part.reliefDiameter;
    default:
        return nullptr;
    }
}

void followDie(BoxDraft& draft)
{
    box::followDie(draft.box);
    // The radius is the die's now: a text typed before it is no longer the user's value.
    if (draft.box.die)
        draft.commonTexts[static_cast<int>(BoxCommon::Radius)].reset();
}

} // namespace

const profile::ProfileResult* sectionOf(const box::BoxResult& result, Side side)
{
    const std::optional<box::Section>& section =
        side == Side::Vorne || side == Side::Hinten ? result.y : result.x;
    return section ? &section->result : nullptr;
}

std::size_t legOf(const box::BoxResult& result, Side side)
{
    const profile::ProfileResult* section = sectionOf(result, side);
    if (side == Side::Vorne || side == Side::Links || !section)
        return 0;
    return section->legs.size() - 1;
}

BoxDraft BoxDraft::empty()
{
    BoxDraft draft;
    for (BoxCommon which :
         {BoxCommon::Thickness, BoxCommon::Radius, BoxCommon::Length, BoxCommon::Width})
        draft.commonTexts[static_cast<int>(which)] = QString();
    return draft;
}

BoxDraft BoxDraft::of(const box::Box& part)
{
    BoxDraft draft;
    draft.box = part;
    for (Side side : box::allSides)
        if (part.wall(side))
            draft.measures[box::sideIndex(side)] = part.wall(side)->measure;
    return draft;
}

BoxModel::BoxModel(QObject* parent) : QAbstractTableModel(parent), m_undo(new QUndoStack(this))
{
    m_draft = BoxDraft::empty();
    m_check = checkOf(m_draft);
}

void BoxModel::reset(const BoxDraft& draft)
{
    m_undo->clear();
    apply(draft);
}

int BoxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

int BoxModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

std::optional<QString> BoxModel::shortWallNote(Side side) const
{
    if (!m_check.result || !m_check.result->wall(side))
        return std::nullopt;
    const profile::ProfileResult* section = sectionOf(*m_check.result, side);
    const std::size_t leg = legOf(*m_check.result, side);
    if (!section || leg >= section->legs.size() || !section->legs[leg].leastFlangeNote)
        return std::nullopt;
    return QString::fromStdString(*section->legs[leg].leastFlangeNote);
}

QVariant BoxModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const Side side = sideOf(row);
    const std::optional<box::Wall>& wall = m_draft.box.wall(side);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (index.column() == Measure)
            return measureCaption(m_draft.measures[static_cast<std::size_t>(row)]);
        if (const std::optional<QString>& typed =
                m_draft.heightTexts[static_cast<std::size_t>(row)])
            return *typed;
        return wall ? shownLength(wall->height) : QString();
    case Qt::TextAlignmentRole:
        return index.column() == Measure ? QVariant(Qt::AlignCenter)
                                         : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (isMarked(index))
            return refusedBase;
        if (index.column() == Height && shortWallNote(side))
            return warnedBase;
        return {};
    case Qt::AccessibleTextRole:
        return cellName(row, index.column());
    case Qt::AccessibleDescriptionRole: {
        QString value = data(index, Qt::DisplayRole).toString();
        if (value.isEmpty())
            value = QStringLiteral("leer, keine Wand");
        if (m_check.cell == index)
            return value + QStringLiteral(". ") + m_check.message;
        if (isMarked(index))
            return value + QStringLiteral(". Keine Zahl.");
        if (index.column() == Height)
            if (const std::optional<QString> note = shortWallNote(side))
                return value + QStringLiteral(". ") + *note;
        return value;
    }
    case Qt::ToolTipRole:
        if (index.column() == Height) {
            if (const std::optional<QString> note = shortWallNote(side))
                return *note;
            return QStringLiteral("Leer: keine Wand an dieser Seite");
        }
        return {};
    default:
        return {};
    }
}

QVariant BoxModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString::fromLatin1(box::sideName(sideOf(section)));
    return section == Height ? QStringLiteral("Höhe H in mm") : QStringLiteral("Maß");
}

Qt::ItemFlags BoxModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool BoxModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return true;
    const auto row = static_cast<std::size_t>(index.row());
    BoxDraft next = m_draft;
    std::optional<box::Wall>& wall = next.box.walls[row];
    if (index.column() == Measure) {
        const std::optional<profile::Measure> measure = typedMeasure(text);
        if (!measure)
            return false;
        next.measures[row] = *measure;
        if (wall)
            wall->measure = *measure;
    } else {
        next.heightTexts[row].reset();
        const std::optional<double> number = typedNumber(text);
        if (text.trimmed().isEmpty())
            wall.reset();
        else if (!number)
            next.heightTexts[row] = text;
        else
            wall = box::Wall{*number, next.measures[row]};
    }
    change(next, wallCaption(index.row()) + (index.column() == Measure ? QStringLiteral(", Maß")
                                                                       : QStringLiteral(", Höhe")));
    return true;
}

QString BoxModel::commonText(BoxCommon which) const
{
    if (const std::optional<QString>& typed = m_draft.commonTexts[static_cast<int>(which)])
        return *typed;
    box::Box part = m_draft.box;
    switch (which) {
    case BoxCommon::Thickness:
    case BoxCommon::Radius:
        return shownTwoDecimals(*plainValue(part, which));
    // As typed: a die is named by its opening, "V 12", and a press by its kN.
    case BoxCommon::Die:
    case BoxCommon::PressLimit: {
        const std::optional<double>& value = *optionalValue(part, which);
        return value ? QString::fromStdString(NumberToText(*value)) : QString();
    }
    case BoxCommon::ReliefDiameter:
        return part.relief == box::Relief::Rund ? shownTwoDecimals(part.reliefDiameter) : QString();
    case BoxCommon::Gap:
        return shownTwoDecimals(part.gap);
    default:
        return shownLength(*plainValue(part, which));
    }
}

bool BoxModel::isMarked(BoxCommon which) const
{
    return isKept(m_draft.commonTexts[static_cast<int>(which)], true) || m_check.common == which;
}

bool BoxModel::isMarked(const QModelIndex& index) const
{
    if (!index.isValid())
        return false;
    if (index.column() == Height &&
        isKept(m_draft.heightTexts[static_cast<std::size_t>(index.row())], true))
        return true;
    return m_check.cell == index;
}

void BoxModel::setCommonText(BoxCommon which, const QString& text)
{
    if (text == commonText(which))
        return;
    BoxDraft next = m_draft;
    takeTyped(text, next.commonTexts[static_cast<int>(which)], plainValue(next.box, which),
              optionalValue(next.box, which));
    if (which == BoxCommon::Die)
        followDie(next);
    change(next, commonName(which));
}

void BoxModel::choose(const std::function<void(box::Box&)>& edit, const QString& description)
{
    BoxDraft next = m_draft;
    edit(next.box);
    for (Side side : box::allSides)
        if (next.box.wall(side))
            next.measures[box::sideIndex(side)] = next.box.wall(side)->measure;
    followDie(next);
    change(next, description);
}

QString BoxModel::cellName(int row, int column)
{
    return wallCaption(row) +
           (column == Height ? QStringLiteral(", Höhe, Millimeter") : QStringLiteral(", Maß"));
}

void BoxModel::change(BoxDraft next, const QString& description)
{
    if (next == m_draft)
        return;
    m_undo->push(new DraftChange<BoxDraft>([this](const BoxDraft& draft) { apply(draft); }, m_draft,
                                           std::move(next), description));
}

void BoxModel::apply(const BoxDraft& draft)
{
    m_draft = draft;
    m_check = checkOf(m_draft);
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    Q_EMIT draftChanged();
}

BoxCheck BoxModel::checkOf(const BoxDraft& draft) const
{
    BoxCheck check;
    // Texts that are no number first, those typed before those still missing.
    for (const bool typedOnly : {true, false}) {
        for (int i = 0; i < boxCommonCount; ++i) {
            const std::optional<QString>& typed = draft.commonTexts[static_cast<std::size_t>(i)];
            if (isKept(typed, typedOnly)) {
                check.message = typedMessage(commonName(BoxCommon(i)), *typed);
                check.common = BoxCommon(i);
                return check;
            }
        }
        for (int row = 0; row < 4 && typedOnly; ++row) {
            if (const std::optional<QString>& typed =
                    draft.heightTexts[static_cast<std::size_t>(row)]) {
                check.message = typedMessage(wallCaption(row) + QStringLiteral(", Höhe"), *typed);
                check.cell = index(row, Height);
                return check;
            }
        }
    }

    try {
        check.result = box::computeBox(draft.box);
    } catch (const box::BoxRefusal& refusal) {
        check.message = QString::fromStdString(refusal.what()) + QLatin1Char('.');
        const int row = static_cast<int>(refusal.index());
        switch (refusal.item()) {
        case BoxItem::Thickness:
            check.common = BoxCommon::Thickness;
            break;
        // With a die the radius is the die's, and the die is what the user typed.
        case BoxItem::Radius:
            check.common = draft.box.die ? BoxCommon::Die : BoxCommon::Radius;
            break;
        case BoxItem::Length:
            check.common = BoxCommon::Length;
            break;
        case BoxItem::Width:
            check.common = BoxCommon::Width;
            break;
        case BoxItem::Height:
            check.cell = index(row, Height);
            break;
        case BoxItem::Walls:
            check.cell = index(0, Height);
            break;
        case BoxItem::Gap:
            check.common = BoxCommon::Gap;
            break;
        case BoxItem::Relief:
            check.common = BoxCommon::ReliefDiameter;
            break;
        case BoxItem::Die:
            check.common = BoxCommon::Die;
            break;
        case BoxItem::PressLimit:
            check.common = BoxCommon::PressLimit;
            break;
        case BoxItem::Measure:
        case BoxItem::Corners:
        case BoxItem::Through:
        case BoxItem::Material:
        case BoxItem::RollingDirection:
            break;
        }
    } catch (const BendError& fault) {
        check.message = calculationFault(fault);
    }
    return check;
}

} // namespace kantrix
