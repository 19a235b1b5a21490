#include "rezezadovu/helpers/helper_location.hpp"

#include <algorithm>
#include <cmath>

TARVELIN_LOG_TAG("helper_location")

namespace tarvelin::rezezadovu::helpers {

TARVELIN_FUNDAMENTAL_GTYPE(LocationHelper, "TarvelinRezezadovuHelpersLocationHelper", "TarvelinRezezadovuHelpersParamSpecLocationHelper")

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kA = 6378245.0;                  // Krasovsky 1940 semi-major axis
constexpr double kEE = 0.006693421622965943;      // its first eccentricity squared
constexpr double kAOneMinusEE = 6335552.717000426;
constexpr double kXPi = 52.35987755982988;        // pi * 3000 / 180
constexpr double kR = 6378137.0;                  // EPSG:3857 sphere
constexpr double kB = 20037508.342789244;         // pi * R
constexpr double kDeg = kPi / 180.0;
}  // namespace

gobj::Ref<LocationHelper> LocationHelper::create(GType type) { return gobj::create<LocationHelper>(type); }

double LocationHelper::fabs(double x) { return x > 0 ? x : -x; }

bool LocationHelper::out_of_china(double longitude, double latitude) {
    return longitude < 72.004 || longitude > 137.8347 || latitude < 0.8293 || latitude > 55.8271;
}

double LocationHelper::transform_latitude(double x, double y) {
    double r = -100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y + 0.2 * std::sqrt(fabs(x));
    r += (20.0 * std::sin(6.0 * x * kPi) + 20.0 * std::sin(2.0 * x * kPi)) * 2.0 / 3.0;
    r += (20.0 * std::sin(y * kPi) + 40.0 * std::sin(y / 3.0 * kPi)) * 2.0 / 3.0;
    r += (160.0 * std::sin(y / 12.0 * kPi) + 320.0 * std::sin(y * kPi / 30.0)) * 2.0 / 3.0;
    return r;
}

double LocationHelper::transform_longitude(double x, double y) {
    double r = 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * std::sqrt(fabs(x));
    r += (20.0 * std::sin(6.0 * x * kPi) + 20.0 * std::sin(2.0 * x * kPi)) * 2.0 / 3.0;
    r += (20.0 * std::sin(x * kPi) + 40.0 * std::sin(x / 3.0 * kPi)) * 2.0 / 3.0;
    r += (150.0 * std::sin(x / 12.0 * kPi) + 300.0 * std::sin(x / 30.0 * kPi)) * 2.0 / 3.0;
    return r;
}

void LocationHelper::delta(double longitude, double latitude, double& d_longitude, double& d_latitude) {
    double r = latitude * kDeg;
    double m = 1.0 - kEE * std::sin(r) * std::sin(r);
    double s = std::sqrt(m);
    d_longitude = transform_longitude(longitude - 105.0, latitude - 35.0) * 180.0 / (kA / s * std::cos(r) * kPi);
    d_latitude = transform_latitude(longitude - 105.0, latitude - 35.0) * 180.0 / (kAOneMinusEE / (m * s) * kPi);
}

LocationHelper::Point LocationHelper::wgs84_to_gcj02(double longitude, double latitude) {
    if (out_of_china(longitude, latitude)) return {longitude, latitude};
    double d_longitude = 0, d_latitude = 0;
    delta(longitude, latitude, d_longitude, d_latitude);
    return {longitude + d_longitude, latitude + d_latitude};
}

LocationHelper::Point LocationHelper::gcj02_to_wgs84(double longitude, double latitude) {
    if (out_of_china(longitude, latitude)) return {longitude, latitude};
    double d_longitude = 0, d_latitude = 0;
    delta(longitude, latitude, d_longitude, d_latitude);
    return {longitude - d_longitude, latitude - d_latitude};
}

LocationHelper::Point LocationHelper::gcj02_to_bd09(double longitude, double latitude) {
    double z = std::sqrt(longitude * longitude + latitude * latitude) + 0.00002 * std::sin(latitude * kXPi);
    double theta = std::atan2(latitude, longitude) + 0.000003 * std::cos(longitude * kXPi);
    return {z * std::cos(theta) + 0.0065, z * std::sin(theta) + 0.006};
}

LocationHelper::Point LocationHelper::bd09_to_gcj02(double longitude, double latitude) {
    double x = longitude - 0.0065, y = latitude - 0.006;
    double z = std::sqrt(x * x + y * y) - 0.00002 * std::sin(y * kXPi);
    double theta = std::atan2(y, x) - 0.000003 * std::cos(x * kXPi);
    return {z * std::cos(theta), z * std::sin(theta)};
}

LocationHelper::Point LocationHelper::wgs84_to_bd09(double longitude, double latitude) {
    Point g = wgs84_to_gcj02(longitude, latitude);
    return gcj02_to_bd09(g[0], g[1]);
}

LocationHelper::Point LocationHelper::bd09_to_wgs84(double longitude, double latitude) {
    Point g = bd09_to_gcj02(longitude, latitude);
    return gcj02_to_wgs84(g[0], g[1]);
}

LocationHelper::Point LocationHelper::transform(double longitude, double latitude) {
    return wgs84_to_gcj02(longitude, latitude);
}

LocationHelper::Point LocationHelper::wgs84_to_epsg3857(double longitude, double latitude) {
    if (longitude > 180.0) {
        longitude -= 360.0;
    } else if (longitude < -180.0) {
        longitude += 360.0;
    }
    double x = longitude * kR * kPi / 180.0;
    double y = std::log(std::tan(latitude * 0.5 * kDeg + kPi / 4.0)) * kR;
    return {std::clamp(x, -kB, kB), std::clamp(y, -kB, kB)};
}

LocationHelper::Point LocationHelper::espg3857_to_wgs84(double x, double y) {
    return {x * 180.0 / kPi / kR, (kPi / 2.0 - 2.0 * std::atan(std::exp(-y / kR))) * 180.0 / kPi};
}

double LocationHelper::distance(double longitude1, double latitude1, double longitude2, double latitude2) {
    double p1 = latitude1 * kDeg, p2 = latitude2 * kDeg;
    double c = std::cos(p1) * std::cos(p2) * std::cos((longitude1 - longitude2) * kDeg) + std::sin(p1) * std::sin(p2);
    return kA * std::acos(std::clamp(c, -1.0, 1.0));
}

}  // namespace tarvelin::rezezadovu::helpers
