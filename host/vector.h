// VECTOR3: the host's three-component vector of doubles, and its helpers.
// Units and frame are those of the quantity it holds (metres in vessel axes unless noted).
#pragma once

#include <cmath>

struct VECTOR3 {
    double x;
    double y;
    double z;

    // Component k (0 = x, 1 = y, 2 = z).
    double& operator[](int k) { return this->*members[k]; }
    double operator[](int k) const { return this->*members[k]; }

private:
    static constexpr double VECTOR3::*members[3] = {&VECTOR3::x, &VECTOR3::y, &VECTOR3::z};
};

inline VECTOR3 operator+(const VECTOR3& a, const VECTOR3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline VECTOR3 operator-(const VECTOR3& a, const VECTOR3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline VECTOR3 operator-(const VECTOR3& a) { return {-a.x, -a.y, -a.z}; }
inline VECTOR3 operator*(const VECTOR3& a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline VECTOR3 operator*(double s, const VECTOR3& a) { return a * s; }
inline VECTOR3 operator/(const VECTOR3& a, double s) { return {a.x / s, a.y / s, a.z / s}; }
inline VECTOR3& operator+=(VECTOR3& a, const VECTOR3& b) { return a = a + b; }
inline VECTOR3& operator-=(VECTOR3& a, const VECTOR3& b) { return a = a - b; }
inline VECTOR3& operator*=(VECTOR3& a, double s) { return a = a * s; }
inline VECTOR3& operator/=(VECTOR3& a, double s) { return a = a / s; }

inline double dotp(const VECTOR3& a, const VECTOR3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline VECTOR3 crossp(const VECTOR3& a, const VECTOR3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// Euclidean length.
inline double length(const VECTOR3& a) { return std::sqrt(dotp(a, a)); }
// The vector divided by its length (no guard: a zero vector gives NaN components).
inline VECTOR3 unit(const VECTOR3& a) { return a / length(a); }
