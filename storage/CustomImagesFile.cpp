#include "storage/CustomImagesFile.h"

#include "storage/Codepage.h"
#include "storage/RecordFile.h"

namespace vornel {

RecordTextFit customImagesTextFit(std::string_view utf8)
{
    if (!fitsCodepage(utf8))
        return RecordTextFit::NotStorable;
    return toAnsi(utf8).size() > RecordFile::RecordLength - 2 ? RecordTextFit::TooLong : RecordTextFit::Fits;
}

CustomImages readCustomImages(const std::filesystem::path& file)
{
    const RecordFile records(file);
    CustomImages images;
    for (int i = 0; i < CustomImages::SlotCount; ++i)
        images.paths[i] = records.readText(CustomImagesRecord::FirstPath + i);
    images.lastFolder = records.readText(CustomImagesRecord::LastFolder);
    return images;
}

SaveResult writeCustomImages(const std::filesystem::path& file, const CustomImages& images)
{
    RecordFile records(file);
    for (int i = 0; i < CustomImages::SlotCount; ++i)
        records.writeText(CustomImagesRecord::FirstPath + i, images.paths[i]);
    records.writeText(CustomImagesRecord::LastFolder, images.lastFolder);
    return records.save();
}

}  // namespace vornel
