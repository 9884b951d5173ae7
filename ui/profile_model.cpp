#include "profile_model.h"

#include "bend_error.h"
#include "bending_force.h"
#include "field_marks.h"
#include "field_set.h"
#include "number_text.h"
#include "part_draft.h"
#include "profile_refusal.h"

#include <QColor>
#include <QUndoStack>

namespace kantrix {

using profile::Direction;
using profile::Measure;
using profile::ProfileItem;

namespace {

constexpr QColor noBendBackground{236, 236, 236};

const char* const commonNames[] = {"Blechdicke s", "Biegeradius r", "Breite W", "Matrizenöffnung V",
                                   "Presse"};

QString commonName(ProfileCommon which)
{
    return QString::fromUtf8(commonNames[static_cast<int>(which)]);
}

std::size_t at(int row)
{
    return static_cast<std::size_t>(row);
}

// "Schenkel 2, Länge" or "Biegung 1, Winkel β": what a message about a cell calls it.
QString cellCaption(int row, int column)
{
    switch (column) {
    case ProfileModel::Length:
        return QStringLiteral("Schenkel %1, Länge").arg(row + 1);
    case ProfileModel::Measure:
        return QStringLiteral("Schenkel %1, Maß").arg(row + 1);
    case ProfileModel::Angle:
        return QStringLiteral("Biegung %1, Winkel β").arg(row + 1);
    case ProfileModel::BendRadius:
        return QStringLiteral("Biegung %1, Radius r").arg(row + 1);
    default:
        return QStringLiteral("Biegung %1, Richtung").arg(row + 1);
    }
}

const std::optional<std::string>* shortLegNote(const ProfileCheck& check, int row)
{
    if (!check.result || at(row) >= check.result->legs.size())
        return nullptr;
    const std::optional<std::string>& note = check.result->legs[at(row)].leastFlangeNote;
    return note ? &note : nullptr;
}

std::optional<Direction> directionOf(const QString& text)
{
    const QString sign = text.trimmed();
    if (sign == QLatin1String("+"))
        return Direction::Plus;
    if (sign == QLatin1String("-") || sign == QStringLiteral("−"))
        return Direction::Minus;
    return std::nullopt;
}

} // namespace

QString shownLength(double value)
{
    return QString::fromStdString(FormatNumber(value, threeDecimals));
}

QString measureCaption(profile::Measure measure)
{
    return measure == Measure::Innen ? QStringLiteral("innen") : QStringLiteral("außen");
}

QColor keyResultOrange()
{
    return QColor(redOf(lightOrange), greenOf(lightOrange), blueOf(lightOrange));
}

QString shownTwoDecimals(double value)
{
    return QString::fromStdString(FormatNumber(value, twoDecimals));
}

QString shownForce(double value)
{
    return QString::fromStdString(FormatNumber(value, press::forceDecimals));
}

QString orDash(const std::optional<double>& value, QString (*text)(double))
{
    return value ? text(*value) : QStringLiteral("–");
}

ProfileDraft ProfileDraft::empty()
{
    ProfileDraft draft;
    draft.profile.legs.resize(2);
    draft.profile.bends.resize(1);
    draft.commonTexts[static_cast<int>(ProfileCommon::Thickness)] = QString();
    draft.commonTexts[static_cast<int>(ProfileCommon::Radius)] = QString();
    draft.lengthTexts = {QString(), QString()};
    draft.angleTexts.resize(1);
    draft.radiusTexts.resize(1);
    return draft;
}

ProfileDraft ProfileDraft::of(const profile::Profile& profile)
{
    ProfileDraft draft;
    draft.profile = profile;
    draft.lengthTexts.resize(profile.legs.size());
    draft.angleTexts.resize(profile.bends.size());
    draft.radiusTexts.resize(profile.bends.size());
    return draft;
}

ProfileModel::ProfileModel(QObject* parent)
    : QAbstractTableModel(parent), m_undo(new QUndoStack(this))
{
    m_draft = ProfileDraft::empty();
    m_check = checkOf(m_draft);
}

void ProfileModel::reset(const ProfileDraft& draft)
{
    m_undo->clear();
    apply(draft);
}

int ProfileModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_draft.profile.legs.size());
}

int ProfileModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const std::optional<QString>* ProfileModel::typedText(const ProfileDraft& draft, int row,
                                                      int column) const
{
    if (column != Length && at(row) >= draft.angleTexts.size())
        return nullptr;
    switch (column) {
    case Length:
        return &draft.lengthTexts[at(row)];
    case Angle:
        return &draft.angleTexts[at(row)];
    case BendRadius:
        return &draft.radiusTexts[at(row)];
    default:
        return nullptr;
    }
}

std::optional<QString>* ProfileModel::typedText(ProfileDraft& draft, int row, int column) const
{
    return const_cast<std::optional<QString>*>(
        typedText(static_cast<const ProfileDraft&>(draft), row, column));
}

QVariant ProfileModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    const bool hasBend = at(row) < m_draft.profile.bends.size();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (column != Length && column != Measure && !hasBend)
            return QString();
        if (const std::optional<QString>* typed = typedText(m_draft, row, column); typed && *typed)
            return **typed;
        const profile::Profile& p = m_draft.profile;
        switch (column) {
        case Length:
            return shownLength(p.legs[at(row)].length);
        case Measure:
            return measureCaption(p.legs[at(row)].measure);
        case Angle:
            return shownTwoDecimals(p.bends[at(row)].angle);
        case BendRadius:
            return p.bends[at(row)].radius ? shownTwoDecimals(*p.bends[at(row)].radius) : QString();
        default:
            return QString::fromLatin1(profile::directionName(p.bends[at(row)].direction));
        }
    }
    case Qt::TextAlignmentRole:
        return column == Measure || column == Direction
                   ? QVariant(Qt::AlignCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (isMarked(index))
            return refusedBase;
        if (column == Length && shortLegNote(m_check, row))
            return warnedBase;
        if (column != Length && column != Measure && !hasBend)
            return noBendBackground;
        return {};
    case Qt::AccessibleTextRole:
        return cellName(row, column);
    // A screen reader speaks the name and then this: the value, and why it is refused.
    case Qt::AccessibleDescriptionRole: {
        QString value = data(index, Qt::DisplayRole).toString();
        if (value.isEmpty())
            value = QStringLiteral("leer");
        if (m_check.cell == index)
            return value + QStringLiteral(". ") + m_check.message;
        if (isMarked(index))
            return value + QStringLiteral(". Keine Zahl.");
        if (column == Length)
            if (const std::optional<std::string>* note = shortLegNote(m_check, row))
                return value + QStringLiteral(". ") + QString::fromStdString(**note);
        return value;
    }
    case Qt::ToolTipRole:
        if (column == Length)
            if (const std::optional<std::string>* note = shortLegNote(m_check, row))
                return QString::fromStdString(**note);
        if (column == BendRadius && hasBend)
            return QStringLiteral("Leer: der Biegeradius r des Profils");
        if (column == Direction && hasBend)
            return QStringLiteral("+ biegt zum Betrachter des Zuschnitts, - von ihm weg");
        return {};
    default:
        return {};
    }
}

QVariant ProfileModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString::number(section + 1);
    switch (section) {
    case Length:
        return QStringLiteral("Länge in mm");
    case Measure:
        return QStringLiteral("Maß");
    case Angle:
        return QStringLiteral("Winkel β in °");
    case BendRadius:
        return QStringLiteral("Radius r in mm");
    default:
        return QStringLiteral("Richtung");
    }
}

Qt::ItemFlags ProfileModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const bool hasBend = at(index.row()) < m_draft.profile.bends.size();
    if (index.column() != Length && index.column() != Measure && !hasBend)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ProfileModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return true;
    const int row = index.row();
    ProfileDraft next = m_draft;
    profile::Profile& p = next.profile;
    switch (index.column()) {
    case Measure: {
        const std::optional<profile::Measure> measure = typedMeasure(text);
        if (!measure)
            return false;
        p.legs[at(row)].measure = *measure;
        break;
    }
    case Direction: {
        const std::optional<profile::Direction> direction = directionOf(text);
        if (!direction)
            return false;
        p.bends[at(row)].direction = *direction;
        break;
    }
    default:
        takeTyped(text, *typedText(next, row, index.column()),
                  index.column() == Length  ? &p.legs[at(row)].length
                  : index.column() == Angle ? &p.bends[at(row)].angle
                                            : nullptr,
                  index.column() == BendRadius ? &p.bends[at(row)].radius : nullptr);
    }
    change(next, cellCaption(row, index.column()));
    return true;
}

QString ProfileModel::commonText(ProfileCommon which) const
{
    const std::optional<QString>& typed = m_draft.commonTexts[static_cast<int>(which)];
    if (typed)
        return *typed;
    const profile::Profile& p = m_draft.profile;
    switch (which) {
    case ProfileCommon::Thickness:
        return shownTwoDecimals(p.thickness);
    case ProfileCommon::Radius:
        return shownTwoDecimals(p.radius);
    case ProfileCommon::Width:
        return p.width ? shownLength(*p.width) : QString();
    // As typed: a die is named by its opening, "V 12", and a press by its kN.
    case ProfileCommon::Die:
        return p.die ? QString::fromStdString(NumberToText(*p.die)) : QString();
    default:
        return p.pressLimit ? QString::fromStdString(NumberToText(*p.pressLimit)) : QString();
    }
}

bool ProfileModel::isMarked(ProfileCommon which) const
{
    return isKept(m_draft.commonTexts[static_cast<int>(which)], true) || m_check.common == which;
}

void ProfileModel::setCommonText(ProfileCommon which, const QString& text)
{
    if (text == commonText(which))
        return;
    ProfileDraft next = m_draft;
    profile::Profile& p = next.profile;
    // Width, die and press may be left empty: the profile then has none.
    takeTyped(text, next.commonTexts[static_cast<int>(which)],
              which == ProfileCommon::Thickness ? &p.thickness
              : which == ProfileCommon::Radius  ? &p.radius
                                                : nullptr,
              which == ProfileCommon::Width        ? &p.width
              : which == ProfileCommon::Die        ? &p.die
              : which == ProfileCommon::PressLimit ? &p.pressLimit
                                                   : nullptr);
    if (which == ProfileCommon::Die)
        followDie(next);
    change(next, commonName(which));
}

void ProfileModel::setMaterial(const std::optional<press::Material>& material,
                               const QString& description)
{
    ProfileDraft next = m_draft;
    next.profile.material = material;
    followDie(next);
    change(next, description);
}

void ProfileModel::setRolling(press::RollingDirection rolling)
{
    ProfileDraft next = m_draft;
    next.profile.rolling = rolling;
    change(next, QStringLiteral("Walzrichtung"));
}

void ProfileModel::followDie(ProfileDraft& draft)
{
    profile::followDie(draft.profile);
    // The radius is the die's now: a text typed before it is no longer the user's value.
    if (draft.profile.die)
        draft.commonTexts[static_cast<int>(ProfileCommon::Radius)].reset();
}

void ProfileModel::insertLeg(int afterRow)
{
    ProfileDraft next = m_draft;
    profile::Profile& p = next.profile;
    if (p.legs.size() >= profile::maxLegs)
        return;
    const std::size_t leg = std::min(at(afterRow) + 1, p.legs.size());
    const std::size_t bend = std::min(leg, p.bends.size());
    p.legs.insert(p.legs.begin() + static_cast<std::ptrdiff_t>(leg), profile::Leg{});
    next.lengthTexts.insert(next.lengthTexts.begin() + static_cast<std::ptrdiff_t>(leg), QString());
    p.bends.insert(p.bends.begin() + static_cast<std::ptrdiff_t>(bend), profile::Bend{});
    next.angleTexts.insert(next.angleTexts.begin() + static_cast<std::ptrdiff_t>(bend),
                           std::nullopt);
    next.radiusTexts.insert(next.radiusTexts.begin() + static_cast<std::ptrdiff_t>(bend),
                            std::nullopt);
    change(next, QStringLiteral("Schenkel %1 eingefügt").arg(leg + 1));
}

void ProfileModel::removeLeg(int row)
{
    ProfileDraft next = m_draft;
    profile::Profile& p = next.profile;
    if (p.legs.size() <= profile::minLegs || row < 0 || at(row) >= p.legs.size())
        return;
    const std::size_t bend = std::min(at(row), p.bends.size() - 1);
    const auto erase = [](auto& list, std::size_t i) {
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    };
    erase(p.legs, at(row));
    erase(next.lengthTexts, at(row));
    erase(p.bends, bend);
    erase(next.angleTexts, bend);
    erase(next.radiusTexts, bend);
    change(next, QStringLiteral("Schenkel %1 gelöscht").arg(row + 1));
}

bool ProfileModel::isMarked(const QModelIndex& index) const
{
    if (!index.isValid())
        return false;
    if (const std::optional<QString>* typed = typedText(m_draft, index.row(), index.column());
        typed && isKept(*typed, true))
        return true;
    return m_check.cell == index;
}

QString ProfileModel::cellName(int row, int column)
{
    switch (column) {
    case Length:
        return QStringLiteral("Schenkel %1, Länge, Millimeter").arg(row + 1);
    case Measure:
        return QStringLiteral("Schenkel %1, Maß").arg(row + 1);
    case Angle:
        return QStringLiteral("Biegung %1, Winkel, Grad").arg(row + 1);
    case BendRadius:
        return QStringLiteral("Biegung %1, Radius, Millimeter").arg(row + 1);
    default:
        return QStringLiteral("Biegung %1, Richtung").arg(row + 1);
    }
}

void ProfileModel::change(const ProfileDraft& next, const QString& description)
{
    if (next == m_draft)
        return;
    m_undo->push(new DraftChange<ProfileDraft>([this](const ProfileDraft& draft) { apply(draft); },
                                               m_draft, next, description));
}

void ProfileModel::apply(const ProfileDraft& draft)
{
    const bool reshaped = draft.profile.legs.size() != m_draft.profile.legs.size();
    if (reshaped)
        beginResetModel();
    m_draft = draft;
    m_check = checkOf(m_draft);
    if (reshaped)
        endResetModel();
    else
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    Q_EMIT draftChanged();
}

ProfileCheck ProfileModel::checkOf(const ProfileDraft& draft) const
{
    ProfileCheck check;
    // Texts that are no number first, those typed before those still missing.
    for (const bool typedOnly : {true, false}) {
        for (int i = 0; i < profileCommonCount; ++i) {
            const std::optional<QString>& typed = draft.commonTexts[static_cast<std::size_t>(i)];
            if (isKept(typed, typedOnly)) {
                check.message = typedMessage(commonName(ProfileCommon(i)), *typed);
                check.common = ProfileCommon(i);
                return check;
            }
        }
        for (int row = 0; row < static_cast<int>(draft.profile.legs.size()); ++row) {
            for (int column : {Length, Angle, BendRadius}) {
                if (column != Length && at(row) >= draft.profile.bends.size())
                    continue;
                const std::optional<QString>& typed = *typedText(draft, row, column);
                if (isKept(typed, typedOnly)) {
                    check.message = typedMessage(cellCaption(row, column), *typed);
                    check.cell = index(row, column);
                    return check;
                }
            }
        }
    }

    try {
        check.result = profile::computeProfile(draft.profile);
    } catch (const profile::ProfileRefusal& refusal) {
        check.message = QString::fromStdString(refusal.what()) + QLatin1Char('.');
        const int row = static_cast<int>(refusal.index());
        switch (refusal.item()) {
        case ProfileItem::Thickness:
            check.common = ProfileCommon::Thickness;
            break;
        // With a die the radius is the die's, and the die is what the user typed.
        case ProfileItem::Radius:
            check.common = draft.profile.die ? ProfileCommon::Die : ProfileCommon::Radius;
            break;
        case ProfileItem::Width:
            check.common = ProfileCommon::Width;
            break;
        case ProfileItem::LegLength:
            check.cell = index(row, Length);
            break;
        case ProfileItem::LegMeasure:
            check.cell = index(row, Measure);
            break;
        case ProfileItem::BendAngle:
            check.cell = index(row, Angle);
            break;
        case ProfileItem::BendRadius:
            check.cell = index(row, BendRadius);
            break;
        case ProfileItem::BendDirection:
            check.cell = index(row, Direction);
            break;
        case ProfileItem::Die:
            check.common = ProfileCommon::Die;
            break;
        case ProfileItem::PressLimit:
            check.common = ProfileCommon::PressLimit;
            break;
        case ProfileItem::Material:
        case ProfileItem::RollingDirection:
        case ProfileItem::Lists:
            break;
        }
    } catch (const BendError& fault) {
        check.message = calculationFault(fault);
    }
    return check;
}

} // namespace kantrix
