#include "dbheader/BackupFileRows.h"

namespace tarvelo {

namespace {

PropertyLayout Build(const BackupFileTexts& texts, std::u16string fileType, bool empty) {
    PropertyLayout layout;
    layout.push_back(PropertyGroup{"Exchange Backup File Information",
                                   {
                                       {"File Type:", "File type of selected file", std::move(fileType)},
                                       {"File Path:", "Display full path of selected file", texts.path},
                                   }});
    layout.push_back(PropertyGroup{
        "File Details",
        {
            {"File Size(Bytes):", "Total file size in bytes", texts.sizeText},
            {"Created Date:", "Created date time of selected file", texts.created},
            {"Last Modified Date:",
             empty ? "Last Modified date of selected File" : "Last Modified date time of selected File",
             texts.lastWrite},
            {"Last Access Date:",
             empty ? "Last Access date of selected File" : "Last Access date time of selected File",
             texts.lastAccess},
        }});
    return layout;
}

} // namespace

PropertyLayout BuildBackupFileLayout(const BackupFileTexts& texts) {
    return Build(texts, u"Exchange Database file", false);
}

PropertyLayout BuildEmptyBackupFileLayout() {
    return Build({}, {}, true);
}

} // namespace tarvelo
