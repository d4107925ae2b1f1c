#pragma once

#include <cstdint>

#include "project/one_based.h"

namespace fljudge {

inline constexpr int kMaxLayers = 30;
inline constexpr int kMaxNValues = 50;

// Soil classes (SoilClass).
inline constexpr std::int16_t kSandy = 1;     // 砂質土
inline constexpr std::int16_t kClayey = 2;    // 粘性土
inline constexpr std::int16_t kGravelly = 3;  // 礫質土

// Unit-weight sources (WeightSource).
inline constexpr std::int16_t kWeightBasic = 1;  // 基本値
inline constexpr std::int16_t kWeightInput = 2;  // 入力値

inline constexpr std::int16_t kRegionUserInput = 6;
inline constexpr std::int16_t kGroundUserInput = 4;

// Three values in the order of the design motions Lv1, Lv2-1, Lv2-2
// (or Cz, CIz, CIIz for the regional factors), numbered 1..3.
using Triple = OneBased<double, 3>;

struct SoilLayer {
    double Depth = 0;  // bottom of the layer below the ground surface (m)
    double Thickness = 0;
    std::int16_t SoilClass = kSandy;
    std::int16_t WeightSource = kWeightBasic;
    double GammaT1 = 0;
    double GammaT2 = 0;
    double GammaE2 = 0;
    double FinesContent = 0;
    double PlasticityIndex = 0;
    double D50 = 0;
    double D10 = 0;

    friend bool operator==(const SoilLayer&, const SoilLayer&) = default;
};

struct NValuePoint {
    double Depth = 0;
    std::int16_t N = 0;

    friend bool operator==(const NValuePoint&, const NValuePoint&) = default;
};

// Fields in the order the project file stores them.
struct ProjectData {
    std::int16_t RegionArea = 1;
    Triple RegionFactors;
    std::int16_t GroundType = 1;
    Triple StdSeismicCoefs;
    double DesignKhLv1 = 0;
    double DesignKhLv2T1 = 0;
    double DesignKhLv2T2 = 0;
    double WaterDepth = 0;
    std::int16_t LayerCount = 0;
    OneBased<SoilLayer, kMaxLayers> SoilLayers;
    std::int16_t NValueCount = 0;
    OneBased<NValuePoint, kMaxNValues> NValues;

    friend bool operator==(const ProjectData&, const ProjectData&) = default;
};

// The default values the editors offer; kept in Base.ini.
struct BasicInfo {
    OneBased<Triple, 3> UnitWeightTable;    // by SoilClass: GammaT1, GammaT2, GammaE2
    OneBased<Triple, 5> RegionFactorTable;  // by RegionArea 1..5: Cz, CIz, CIIz
    OneBased<Triple, 3> SeismicCoefTable;   // by GroundType 1..3: Lv1, Lv2-1, Lv2-2

    friend bool operator==(const BasicInfo&, const BasicInfo&) = default;
};

// The built-in basic information, used when Base.ini is missing.
BasicInfo DefaultBasicInfo();

// Resets the project to the empty project; takes the first rows of the
// regional-factor and seismic-coefficient tables of `basicInfo`.
void NewProject(ProjectData& project, const BasicInfo& basicInfo);

}  // namespace fljudge
