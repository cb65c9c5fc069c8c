// The topics of the "File Information" dialog, built from a measurement description.
#pragma once

#include <string>
#include <vector>

#include "info_node.h"
#include "info_texts.h"

namespace grafyon {

class MeasurementDescription;

// In this order: "General", "Datasets", "Commentary", "Parameter", "Data Ranges" and
// "Ranges", each group only when the description holds such elements. Empty when the
// description holds nothing at all. filePath names the description file (its name titles
// the general page, its folder is shown); number formats steps, rates, carrier values and
// calibrated values ("%g" when empty). The nodes refer to the description's elements and
// are valid while it is unchanged.
std::vector<InfoNode> BuildInfoTree(const MeasurementDescription& description,
                                    const std::string& filePath, const InfoNumberFormat& number,
                                    const InfoTexts& texts = {});

}  // namespace grafyon
