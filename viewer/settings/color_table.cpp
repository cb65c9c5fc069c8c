// The built-in color lists.
#include "viewer/settings/color_table.h"

namespace grafyon {

const ColorList& DefaultCurveColors() {
    static const ColorList colors = {
        {MakeColorRef(0, 0, 255), "Blau"},        {MakeColorRef(255, 0, 0), "Rot"},
        {MakeColorRef(0, 128, 0), "Dunkelgruen"}, {MakeColorRef(255, 0, 255), "Magenta"},
        {MakeColorRef(0, 0, 128), "Dunkelblau"},  {MakeColorRef(255, 128, 0), "Orange"},
        {MakeColorRef(128, 0, 0), "Dunkelrot"},   {MakeColorRef(0, 128, 255), "Stahlblau"},
        {MakeColorRef(255, 0, 128), "Lila"},      {MakeColorRef(128, 128, 0), "Ocker"},
        {MakeColorRef(128, 0, 128), "Violett"},   {MakeColorRef(0, 128, 128), "Blaugruen"},
        {MakeColorRef(0, 255, 0), "Gruen"},       {MakeColorRef(128, 128, 128), "Dunkelgrau"},
        {MakeColorRef(255, 128, 128), "Rosa"},    {MakeColorRef(0, 255, 255), "Cyan"},
        {MakeColorRef(0, 0, 0), "Schwarz"},       {MakeColorRef(128, 255, 0), "Gelbgruen"},
        {MakeColorRef(128, 0, 255), "Blaulila"},  {MakeColorRef(0, 255, 128), "Pastelgruen"},
    };
    return colors;
}

const ColorList& StandardPalette() {
    // UTF-8 in memory, like every text of the program.
    static const ColorList colors = {
        {MakeColorRef(0, 0, 0), "Schwarz"},        {MakeColorRef(128, 128, 128), "Dunkelgrau"},
        {MakeColorRef(192, 192, 192), "Hellgrau"}, {MakeColorRef(255, 255, 255), "Wei\xC3\x9F"},
        {MakeColorRef(0, 0, 128), "Dunkelblau"},   {MakeColorRef(0, 128, 128), "Blaugr\xC3\xBCn"},
        {MakeColorRef(0, 0, 255), "Blau"},         {MakeColorRef(0, 255, 255), "Cyan"},
        {MakeColorRef(128, 0, 0), "Dunkelrot"},    {MakeColorRef(128, 0, 128), "Violett"},
        {MakeColorRef(255, 0, 0), "Rot"},          {MakeColorRef(255, 0, 255), "Magenta"},
        {MakeColorRef(128, 128, 0), "Ocker"},      {MakeColorRef(0, 128, 0), "Dunkelgr\xC3\xBCn"},
        {MakeColorRef(0, 255, 0), "Gr\xC3\xBCn"},  {MakeColorRef(255, 255, 0), "Gelb"},
    };
    return colors;
}

}  // namespace grafyon
