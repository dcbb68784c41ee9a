#include "globalmanager.h"

#include <QFile>
#include <QJsonDocument>

QString GlobalManager::gridTemplatePath() const
{
    const char *folder = m_language == 0 ? "/zh_cn/template.json"
                       : m_language == 1 ? "/zh_tw/template.json"
                                         : "/en/template.json";
    return QStringLiteral("./data_template/grid_template") + QLatin1String(folder);
}

bool GlobalManager::loadGridTemplates()
{
    m_gridTemplates = QJsonArray();
    QFile file(gridTemplatePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isArray())
        return false;
    m_gridTemplates = doc.array();
    return true;
}
