#pragma once

#include <QTableWidgetItem>

#include <memory>

// The check-box cell in column 0 of a record table. It owns the row's record,
// so the record goes with the row however the row leaves the table; its
// address is also kept under Qt::UserRole as a 64-bit integer.
template <typename UserData>
class RecordRowItem : public QTableWidgetItem
{
public:
    explicit RecordRowItem(std::unique_ptr<UserData> userData)
        : QTableWidgetItem(QTableWidgetItem::UserType)
        , m_userData(std::move(userData))
    {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        setCheckState(Qt::Unchecked);
        setData(Qt::UserRole, qint64(reinterpret_cast<quintptr>(m_userData.get())));
    }

    UserData *userData() const { return m_userData.get(); }

    // The record of a table's row, or null.
    static UserData *of(const QTableWidget *table, int row)
    {
        auto *item = dynamic_cast<RecordRowItem *>(table->item(row, 0));
        return item ? item->userData() : nullptr;
    }

private:
    std::unique_ptr<UserData> m_userData;
};
